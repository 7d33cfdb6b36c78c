// Mouse, wheel, cursor and timer routing of a real view, driven by messages
// sent to it: hover and press by handle, the drag bands, clicks only on a
// release over the pressed element, links, double clicks on the header.
#include "tests/toolkit/host/HostTestSupport.h"

#include <commctrl.h>

#include "toolkit/ElementRegistry.h"

using namespace host_test;

namespace {

class HostRouting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrepareToolkit(); }

    void Open(unsigned layer = kLayer)
    {
        dialog_ = std::make_unique<TestDialog>(layer);
        ASSERT_NE(nullptr, dialog_->Create(nullptr));
        view_ = dialog_->View().Hwnd();
    }
    void Move(int x, int y) { SendMessageW(view_, WM_MOUSEMOVE, 0, Point(x, y)); }
    void Down(int x, int y)
    {
        Move(x, y);
        SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    }
    void Up(int x, int y) { SendMessageW(view_, WM_LBUTTONUP, 0, Point(x, y)); }
    void Click(int x, int y)
    {
        Down(x, y);
        Up(x, y);
    }
    Probe* Item(int id) { return static_cast<Probe*>(dialog_->FindItem(id)); }

    std::unique_ptr<TestDialog> dialog_;
    HWND view_ = nullptr;
};

}  // namespace

TEST_F(HostRouting, ClickOnAButtonNotifiesItsIdAndTag)
{
    Open();
    Click(30, 210);
    std::vector<Notice> clicks = dialog_->Clicks();
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(22u, clicks[0].itemId);
    EXPECT_EQ("imgbtn", clicks[0].itemClass);
    EXPECT_EQ(static_cast<UINT_PTR>(kViewControlId), clicks[0].idFrom);
    EXPECT_EQ(1, Item(22)->Count(WM_LBUTTONDOWN));
    EXPECT_EQ(1, Item(22)->Count(WM_LBUTTONUP));
    EXPECT_FALSE(Item(22)->State() & StatePushDown);
    EXPECT_EQ(0u, dialog_->View().PressedHandle());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(HostRouting, PressMoveOffAndReleaseSendsNothing)
{
    Open();
    Down(30, 210);
    EXPECT_TRUE(Item(22)->State() & StatePushDown);
    EXPECT_EQ(view_, GetCapture());
    Move(150, 400);
    Up(150, 400);
    EXPECT_TRUE(dialog_->Clicks().empty());
    EXPECT_FALSE(Item(22)->State() & StatePushDown);
    EXPECT_EQ(0, Item(22)->Count(WM_LBUTTONUP));
    EXPECT_EQ(nullptr, GetCapture());

    // Moving back over it before the release is a click again.
    Down(30, 210);
    Move(150, 400);
    Move(31, 211);
    Up(31, 211);
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(22u, dialog_->Clicks()[0].itemId);
}

TEST_F(HostRouting, ElementsWithoutIdAndDisabledOnesNeverNotify)
{
    Open();
    Click(20, 460);  // leaf without an id
    Click(150, 400);  // body background
    EXPECT_TRUE(dialog_->Clicks().empty());

    ASSERT_TRUE(dialog_->EnableItem(22, false));
    Click(30, 210);
    EXPECT_TRUE(dialog_->Clicks().empty());
    EXPECT_EQ(0, Item(22)->Count(WM_LBUTTONDOWN));
    EXPECT_FALSE(Item(22)->State() & (StateHover | StatePushDown));
}

TEST_F(HostRouting, LinkWithHrefOpensInsteadOfNotifying)
{
    Open();
    Click(20, 310);  // link 23 with an href that leads nowhere
    EXPECT_EQ(1, Item(23)->Count(WM_LBUTTONUP));
    EXPECT_TRUE(dialog_->Clicks().empty());

    Click(20, 340);  // link 24 without href
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(24u, dialog_->Clicks()[0].itemId);
    EXPECT_EQ("link", dialog_->Clicks()[0].itemClass);
}

TEST_F(HostRouting, CaptionBandDragsDownToY40)
{
    Open();
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 40));
    ASSERT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_EQ(0xF012u, dialog_->sysCommands[0]);
    EXPECT_EQ(0u, dialog_->View().PressedHandle());
    EXPECT_EQ(nullptr, GetCapture());

    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 41));
    EXPECT_EQ(1u, dialog_->sysCommands.size());
    Up(10, 41);

    // A plain element in the band drags too; the close button clicks.
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(110, 20));
    EXPECT_EQ(2u, dialog_->sysCommands.size());
    EXPECT_EQ(0, Item(11)->Count(WM_LBUTTONDOWN));
    Click(370, 20);
    EXPECT_EQ(2u, dialog_->sysCommands.size());
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(12u, dialog_->Clicks()[0].itemId);
}

TEST_F(HostRouting, ALayerWithoutHeaderDragsOnTheBodyAndNeverMaximises)
{
    Open(kNoHeaderLayer);
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 20));
    ASSERT_EQ(1u, dialog_->sysCommands.size());
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(100, 20));
    EXPECT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_TRUE(dialog_->Only(NotifyDoubleClick).empty());
    // The close button of the main layout sits in the band and clicks.
    Click(360, 10);
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(60001u, dialog_->Clicks()[0].itemId);
}

TEST_F(HostRouting, DoubleClickOnTheHeaderMaximisesThenRestores)
{
    Open();
    dialog_->passFrameCommands = true;
    HWND hwnd = dialog_->GetHwnd();
    ShowWindow(hwnd, SW_SHOWNORMAL);
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 45));
    ASSERT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_EQ(0xF030u, dialog_->sysCommands[0]);
    EXPECT_TRUE(IsZoomed(hwnd));
    // Maximised, a press in the band does not move the window.
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    EXPECT_EQ(1u, dialog_->sysCommands.size());
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 45));
    ASSERT_EQ(2u, dialog_->sysCommands.size());
    EXPECT_EQ(0xF120u, dialog_->sysCommands[1]);
    EXPECT_FALSE(IsZoomed(hwnd));
    RECT client = {};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(400, client.right);
    EXPECT_EQ(700, client.bottom);

    // The header's button keeps its double click; nothing maximises.
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(370, 20));
    EXPECT_EQ(2u, dialog_->sysCommands.size());
}

TEST_F(HostRouting, DoubleClickInTheBodyNotifiesElementsWithAnId)
{
    Open();
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(250, 120));
    std::vector<Notice> doubles = dialog_->Only(NotifyDoubleClick);
    ASSERT_EQ(1u, doubles.size());
    EXPECT_EQ(25u, doubles[0].itemId);  // 26 above it is transparent
    EXPECT_EQ("leaf", doubles[0].itemClass);
    EXPECT_EQ(1, Item(25)->Count(WM_LBUTTONDBLCLK));
    EXPECT_EQ(0, Item(26)->Count(WM_LBUTTONDBLCLK));
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(20, 460));
    EXPECT_EQ(1u, dialog_->Only(NotifyDoubleClick).size());
}

TEST_F(HostRouting, HoverFollowsTheMouseAndRepaintsStyledElements)
{
    Open();
    EXPECT_EQ(0x00FF00u, Picture(view_).At(20, 110));
    Move(20, 110);
    Probe* leaf = Item(21);
    EXPECT_TRUE(leaf->State() & StateHover);
    EXPECT_EQ(leaf->Handle(), dialog_->View().HoverHandle());
    EXPECT_EQ(0x0000FFu, Picture(view_).At(20, 110));
    ASSERT_EQ(1u, dialog_->Only(NotifyMouseEnter).size());

    Move(21, 111);  // same element: no second enter, still hovered
    EXPECT_EQ(1u, dialog_->Only(NotifyMouseEnter).size());
    EXPECT_EQ(2, leaf->Count(WM_MOUSEMOVE));
    EXPECT_EQ(0, leaf->Count(WM_MOUSELEAVE));

    Move(150, 400);
    EXPECT_FALSE(leaf->State() & StateHover);
    EXPECT_EQ(1, leaf->Count(WM_MOUSELEAVE));
    EXPECT_EQ(0x00FF00u, Picture(view_).At(20, 110));
    EXPECT_EQ(dialog_->View().Body()->Handle(), dialog_->View().HoverHandle());
}

TEST_F(HostRouting, HiddenHoverElementStillLosesHover)
{
    Open();
    Move(220, 220);
    Probe* inner = Item(28);
    ASSERT_TRUE(inner->State() & StateHover);
    ASSERT_TRUE(dialog_->SetItemVisible(28, false));
    Move(221, 221);  // now the container answers at this point
    EXPECT_FALSE(inner->State() & StateHover);
    EXPECT_EQ(1, inner->Count(WM_MOUSELEAVE));
    EXPECT_EQ(dialog_->FindItem(27)->Handle(), dialog_->View().HoverHandle());
}

TEST_F(HostRouting, DestroyedHoverElementIsSimplyNotFound)
{
    Open();
    Move(220, 220);
    ASSERT_TRUE(dialog_->View().LoadLayer(std::string("<layer><body crbg=\"FFFFFF\"/></layer>")));
    EXPECT_EQ(0u, dialog_->View().HoverHandle());
    Move(10, 10);
    SendMessageW(view_, WM_LBUTTONUP, 0, Point(10, 10));
    SendMessageW(view_, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(dialog_->Clicks().empty());
}

TEST_F(HostRouting, MouseLeaveClearsHoverAndPress)
{
    Open();
    Down(30, 210);
    Probe* button = Item(22);
    ASSERT_EQ(StateHover | StatePushDown, button->State() & (StateHover | StatePushDown));
    SendMessageW(view_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0u, button->State() & (StateHover | StatePushDown));
    EXPECT_EQ(1, button->Count(WM_MOUSELEAVE));
    EXPECT_EQ(0u, dialog_->View().HoverHandle());
    EXPECT_EQ(0u, dialog_->View().PressedHandle());
    EXPECT_EQ(1u, dialog_->Only(NotifyMouseLeave).size());
    Up(30, 210);
    EXPECT_TRUE(dialog_->Clicks().empty());
    // The next move arms leave tracking again and announces the mouse.
    Move(30, 210);
    EXPECT_EQ(2u, dialog_->Only(NotifyMouseEnter).size());
}

TEST_F(HostRouting, WheelGoesToTheHoverElementInClientCoordinates)
{
    Open();
    POINT screen = {20, 110};
    ClientToScreen(view_, &screen);
    LPARAM at = MAKELPARAM(screen.x, screen.y);
    EXPECT_EQ(0, SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at));
    Move(20, 110);
    EXPECT_EQ(1, SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at));
    Probe* leaf = Item(21);
    ASSERT_EQ(1, leaf->Count(WM_MOUSEWHEEL));
    for (const Message& m : leaf->messages) {
        if (m.message == WM_MOUSEWHEEL) {
            EXPECT_EQ(20, static_cast<short>(LOWORD(m.lparam)));
            EXPECT_EQ(110, static_cast<short>(HIWORD(m.lparam)));
            EXPECT_EQ(120, static_cast<short>(HIWORD(m.wparam)));
        }
    }
    ASSERT_TRUE(dialog_->EnableItem(21, false));
    Move(21, 111);
    EXPECT_EQ(0, SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at));
}

TEST_F(HostRouting, TimersReachTheElementThatSetThem)
{
    Open();
    Probe* leaf = Item(30);
    ElementRegistry::Instance().SetTimerOwner(7001, leaf->Handle());
    SendMessageW(view_, WM_TIMER, 7001, 0);
    SendMessageW(view_, WM_TIMER, 7002, 0);
    EXPECT_EQ(1, leaf->Count(WM_TIMER));
    for (const Message& m : leaf->messages) {
        if (m.message == WM_TIMER) {
            EXPECT_EQ(7001u, m.wparam);
        }
    }
    ElementRegistry::Instance().RemoveTimer(7001);
    SendMessageW(view_, WM_TIMER, 7001, 0);
    EXPECT_EQ(1, leaf->Count(WM_TIMER));
}

TEST_F(HostRouting, CursorAndTooltipComeFromTheHoverElement)
{
    Open();
    EXPECT_EQ(TRUE, SendMessageW(view_, WM_SETCURSOR, reinterpret_cast<WPARAM>(view_), HTCLIENT));
    Move(20, 110);
    EXPECT_EQ(TRUE, SendMessageW(view_, WM_SETCURSOR, reinterpret_cast<WPARAM>(view_), HTCLIENT));
    EXPECT_EQ(1, Item(21)->Count(WM_SETCURSOR));

    HWND tooltip = dialog_->View().Tooltip();
    ASSERT_NE(nullptr, tooltip);
    EXPECT_EQ(std::wstring(L"提示文字"), view_test::TooltipText(tooltip, view_));
    Move(150, 400);
    EXPECT_EQ(std::wstring(), view_test::TooltipText(tooltip, view_));
}

TEST_F(HostRouting, ChildWindowMessagesGoToTheParentUnchanged)
{
    Open();
    SendMessageW(view_, WM_COMMAND, MAKEWPARAM(20005, 1), 0);
    NMHDR moved = {view_, 20005, NotifyRealWndMoved};
    SendMessageW(view_, WM_NOTIFY, 20005, reinterpret_cast<LPARAM>(&moved));
    ASSERT_EQ(1u, dialog_->Only(NotifyRealWndMoved).size());
    EXPECT_EQ(20005u, dialog_->Only(NotifyRealWndMoved)[0].idFrom);
}

namespace {

LRESULT CALLBACK AnswerColours(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR brush)
{
    if (message == kReflectBase + WM_CTLCOLORSTATIC)
        return static_cast<LRESULT>(brush);
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

TEST_F(HostRouting, ChildColourQuestionsGoBackToTheChild)
{
    Open();
    HWND asking = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, view_, nullptr, nullptr, nullptr);
    HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, view_, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, asking);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    SetWindowSubclass(asking, &AnswerColours, 1, reinterpret_cast<DWORD_PTR>(brush));
    HDC dc = GetDC(view_);
    EXPECT_EQ(reinterpret_cast<LRESULT>(brush),
              SendMessageW(view_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(asking)));
    // A child that does not answer gets the system's brush.
    LRESULT system =
        SendMessageW(view_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain));
    EXPECT_NE(0, system);
    EXPECT_NE(reinterpret_cast<LRESULT>(brush), system);
    ReleaseDC(view_, dc);
    RemoveWindowSubclass(asking, &AnswerColours, 1);
    DestroyWindow(asking);
    DestroyWindow(plain);
    DeleteObject(brush);
}
