// Mouse, wheel, cursor and timer routing of a real view, driven by messages
// sent to it: hover and press by handle, the drag bands, clicks only on a
// release over the pressed element, links, double clicks on the header.
#include "tests/toolkit/host/HostTestSupport.h"

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

TEST_F(HostRouting, AClickIsAPressAndAReleaseOverTheSameEnabledElementWithAnId)
{
    Open();
    Down(30, 210);
    EXPECT_TRUE(Item(22)->State() & StatePushDown);
    EXPECT_EQ(view_, GetCapture());
    Move(150, 400);
    Up(150, 400);  // moved off: nothing
    EXPECT_TRUE(dialog_->Clicks().empty());
    EXPECT_FALSE(Item(22)->State() & StatePushDown);
    EXPECT_EQ(nullptr, GetCapture());
    Down(30, 210);
    Move(150, 400);
    Move(31, 211);  // back over it before the release: a click again
    Up(31, 211);
    Click(20, 460);   // a leaf without an id
    Click(150, 400);  // the body's background
    Click(20, 310);   // a link with an href opens it instead
    EXPECT_EQ(1, Item(23)->Count(WM_LBUTTONUP));
    Click(20, 340);  // a link without one notifies
    ASSERT_TRUE(dialog_->EnableItem(22, false));
    Click(30, 210);
    EXPECT_FALSE(Item(22)->State() & (StateHover | StatePushDown));
    std::vector<Notice> clicks = dialog_->Clicks();
    ASSERT_EQ(2u, clicks.size());
    EXPECT_EQ(22u, clicks[0].itemId);
    EXPECT_EQ("imgbtn", clicks[0].itemClass);
    EXPECT_EQ(static_cast<UINT_PTR>(kViewControlId), clicks[0].idFrom);
    EXPECT_EQ(24u, clicks[1].itemId);
    EXPECT_EQ("link", clicks[1].itemClass);
    EXPECT_EQ(0u, dialog_->View().PressedHandle());
}

TEST_F(HostRouting, TheBandsDragTheWindowExceptOnButtonsAndLinks)
{
    Open();
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 40));
    ASSERT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_EQ(0xF012u, dialog_->sysCommands[0]);
    EXPECT_EQ(nullptr, GetCapture());
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 41));
    Up(10, 41);
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(110, 20));  // a plain element in the band drags
    EXPECT_EQ(0, Item(11)->Count(WM_LBUTTONDOWN));
    Click(370, 20);  // the close button clicks
    EXPECT_EQ(2u, dialog_->sysCommands.size());
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(12u, dialog_->Clicks()[0].itemId);

    Open(kNoHeaderLayer);  // without a header the body drags and nothing maximises
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 20));
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(100, 20));
    EXPECT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_TRUE(dialog_->Only(NotifyDoubleClick).empty());
    Click(360, 10);
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(60001u, dialog_->Clicks()[0].itemId);
}

TEST_F(HostRouting, DoubleClicksMaximiseAndRestoreOnTheHeaderAndNotifyInTheBody)
{
    Open();
    dialog_->passFrameCommands = true;
    HWND hwnd = dialog_->GetHwnd();
    ShowWindow(hwnd, SW_SHOWNORMAL);
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 45));
    EXPECT_TRUE(IsZoomed(hwnd));
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));  // maximised: no move
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 45));
    EXPECT_EQ((std::vector<WPARAM>{0xF030, 0xF120}), dialog_->sysCommands);
    EXPECT_FALSE(IsZoomed(hwnd));
    RECT client = {};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(700, client.bottom);
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(370, 20));  // the button keeps its double click
    EXPECT_EQ(2u, dialog_->sysCommands.size());

    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(250, 120));
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(20, 460));  // no id: no notice
    std::vector<Notice> doubles = dialog_->Only(NotifyDoubleClick);
    ASSERT_EQ(1u, doubles.size());
    EXPECT_EQ(25u, doubles[0].itemId);  // 26 above it is transparent
    EXPECT_EQ("leaf", doubles[0].itemClass);
}

TEST_F(HostRouting, HoverFollowsTheMouseRepaintsAndIsLostByHiddenDestroyedOrLeftElements)
{
    Open();
    EXPECT_EQ(0x00FF00u, Picture(view_).At(20, 110));
    Move(20, 110);
    Move(21, 111);  // same element: one enter
    Probe* leaf = Item(21);
    EXPECT_EQ(leaf->Handle(), dialog_->View().HoverHandle());
    EXPECT_EQ(0x0000FFu, Picture(view_).At(20, 110));
    EXPECT_EQ(1u, dialog_->Only(NotifyMouseEnter).size());
    EXPECT_EQ(0, leaf->Count(WM_MOUSELEAVE));
    Move(150, 400);
    EXPECT_EQ(1, leaf->Count(WM_MOUSELEAVE));
    EXPECT_EQ(0x00FF00u, Picture(view_).At(20, 110));

    Move(220, 220);
    ASSERT_TRUE(dialog_->SetItemVisible(28, false));
    Move(221, 221);  // now the container answers at this point
    EXPECT_FALSE(Item(28)->State() & StateHover);
    EXPECT_EQ(dialog_->FindItem(27)->Handle(), dialog_->View().HoverHandle());

    Down(30, 210);
    SendMessageW(view_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0u, Item(22)->State() & (StateHover | StatePushDown));
    EXPECT_EQ(0u, dialog_->View().PressedHandle());
    EXPECT_EQ(1u, dialog_->Only(NotifyMouseLeave).size());
    Up(30, 210);
    EXPECT_TRUE(dialog_->Clicks().empty());
    Move(30, 210);  // leave tracking is armed again
    EXPECT_EQ(2u, dialog_->Only(NotifyMouseEnter).size());

    ASSERT_TRUE(dialog_->View().LoadLayer(std::string("<layer><body crbg=\"FFFFFF\"/></layer>")));
    EXPECT_EQ(0u, dialog_->View().HoverHandle());  // destroyed: simply not found
    Move(10, 10);
    SendMessageW(view_, WM_LBUTTONUP, 0, Point(10, 10));
    SendMessageW(view_, WM_MOUSELEAVE, 0, 0);
}

TEST_F(HostRouting, WheelCursorTooltipAndTimersReachTheirElement)
{
    Open();
    POINT screen = {20, 110};
    ClientToScreen(view_, &screen);
    LPARAM at = MAKELPARAM(screen.x, screen.y);
    EXPECT_EQ(0, SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at)) << "nothing hovered";
    Move(20, 110);
    EXPECT_EQ(1, SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at));
    EXPECT_EQ(TRUE, SendMessageW(view_, WM_SETCURSOR, reinterpret_cast<WPARAM>(view_), HTCLIENT));
    Probe* leaf = Item(21);
    EXPECT_EQ(1, leaf->Count(WM_SETCURSOR));
    for (const Message& m : leaf->messages) {
        if (m.message == WM_MOUSEWHEEL) {  // in client coordinates
            EXPECT_EQ(20, static_cast<short>(LOWORD(m.lparam)));
            EXPECT_EQ(110, static_cast<short>(HIWORD(m.lparam)));
        }
    }
    HWND tooltip = dialog_->View().Tooltip();
    ASSERT_NE(nullptr, tooltip);
    EXPECT_EQ(std::wstring(L"提示文字"), view_test::TooltipText(tooltip, view_));
    ASSERT_TRUE(dialog_->EnableItem(21, false));
    Move(21, 111);
    EXPECT_EQ(0, SendMessageW(view_, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at)) << "disabled";
    Move(150, 400);
    EXPECT_EQ(std::wstring(), view_test::TooltipText(tooltip, view_));

    Probe* timed = Item(30);
    ElementRegistry::Instance().SetTimerOwner(7001, timed->Handle());
    SendMessageW(view_, WM_TIMER, 7001, 0);
    SendMessageW(view_, WM_TIMER, 7002, 0);
    ElementRegistry::Instance().RemoveTimer(7001);
    SendMessageW(view_, WM_TIMER, 7001, 0);
    EXPECT_EQ(1, timed->Count(WM_TIMER));
}

// (A colour question a child answers itself: the main window's permission
// box, in its own test.)
TEST_F(HostRouting, ChildWindowMessagesGoToTheParentAndUnansweredColoursToTheSystem)
{
    Open();
    NMHDR moved = {view_, 20005, NotifyRealWndMoved};
    SendMessageW(view_, WM_NOTIFY, 20005, reinterpret_cast<LPARAM>(&moved));
    ASSERT_EQ(1u, dialog_->Only(NotifyRealWndMoved).size());
    EXPECT_EQ(20005u, dialog_->Only(NotifyRealWndMoved)[0].idFrom);
    HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, view_, nullptr, nullptr, nullptr);
    HDC dc = GetDC(view_);
    EXPECT_NE(0, SendMessageW(view_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain)));
    ReleaseDC(view_, dc);
    DestroyWindow(plain);
}
