// A real host window made from a layer resource: its geometry, the paint
// pipeline seen through WM_PRINT, runtime access by id, the keys and
// commands that become clicks, and the modal loop.
#include "tests/toolkit/host/HostTestSupport.h"

using namespace host_test;

namespace {

class HostWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrepareToolkit(); }

    HWND Open(TestDialog* dialog)
    {
        HWND hwnd = dialog->Create(nullptr);
        EXPECT_NE(nullptr, hwnd);
        return hwnd;
    }
};

const uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

}  // namespace

TEST_F(HostWindow, ClientAreaIsTheLayerSizeWithoutAnyFrame)
{
    TestDialog dialog(kLayer);
    HWND hwnd = Open(&dialog);
    RECT window = {}, client = {}, view = {};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    GetClientRect(dialog.View().Hwnd(), &view);
    EXPECT_EQ(400, client.right);
    EXPECT_EQ(700, client.bottom);
    EXPECT_EQ(400, window.right - window.left);
    EXPECT_EQ(700, window.bottom - window.top);
    EXPECT_EQ(400, view.right);
    EXPECT_EQ(700, view.bottom);
    EXPECT_EQ(kViewControlId, GetDlgCtrlID(dialog.View().Hwnd()));
    EXPECT_EQ(1, dialog.initDialogs);

    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    wchar_t title[32] = {};
    GetWindowTextW(hwnd, title, 32);
    EXPECT_EQ(std::wstring(L"宿主测试"), title);
}

TEST_F(HostWindow, PartsAreLaidOutHeaderBodyFooter)
{
    TestDialog dialog(kLayer);
    Open(&dialog);
    CBkDialogView& view = dialog.View();
    ASSERT_NE(nullptr, view.Header());
    ASSERT_NE(nullptr, view.Footer());
    EXPECT_EQ(50, view.Header()->Rect().bottom);
    EXPECT_EQ(50, view.Body()->Rect().top);
    EXPECT_EQ(670, view.Body()->Rect().bottom);
    EXPECT_EQ(670, view.Footer()->Rect().top);
    EXPECT_EQ(700, view.Footer()->Rect().bottom);
    // Children are placed inside their part: the close button from the right.
    EXPECT_EQ(360, dialog.FindItem(12)->Rect().left);
    EXPECT_EQ(200, dialog.FindItem(22)->Rect().top);

    Picture picture(view.Hwnd());
    EXPECT_EQ(kRed, picture.At(5, 5));
    EXPECT_EQ(kRed, picture.At(5, 49));
    EXPECT_EQ(kWhite, picture.At(5, 50));
    EXPECT_EQ(kGreen, picture.At(20, 110));  // leaf 21 without hover
    EXPECT_EQ(kWhite, picture.At(5, 669));
    EXPECT_EQ(kBlue, picture.At(5, 670));
}

TEST_F(HostWindow, NoLayoutNoWindow)
{
    TestDialog missing(399);
    EXPECT_EQ(nullptr, missing.Create(nullptr));
    EXPECT_EQ(0, missing.DoModal(nullptr));
    EXPECT_EQ(0, missing.initDialogs);

    TestDialog broken(399);
    EXPECT_FALSE(broken.View().LoadLayer(std::string("<layer><body")));
    EXPECT_FALSE(broken.View().LoadLayer(std::string("<dlg/>")));
    EXPECT_EQ(nullptr, broken.Create(nullptr));
}

TEST_F(HostWindow, ALayerGivenAsTextReplacesTheResource)
{
    TestDialog dialog(kLayer);
    ASSERT_TRUE(dialog.View().LoadLayer(std::string("<layer width=\"120\" height=\"80\"><body crbg=\"00FF00\"/></layer>")));
    HWND hwnd = Open(&dialog);
    RECT client = {};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(120, client.right);
    EXPECT_EQ(80, client.bottom);
    EXPECT_EQ(nullptr, dialog.View().Header());
    EXPECT_EQ(kGreen, Picture(dialog.View().Hwnd()).At(119, 79));

    // Loading another layer into the live window lays it out and repaints.
    ASSERT_TRUE(dialog.View().LoadLayer(std::string("<layer><header height=\"10\" crbg=\"FF0000\"/><body crbg=\"0000FF\"/></layer>")));
    Picture after(dialog.View().Hwnd());
    EXPECT_EQ(kRed, after.At(0, 9));
    EXPECT_EQ(kBlue, after.At(0, 10));
}

TEST_F(HostWindow, NoBorderLayerIsATopmostToolWindow)
{
    TestDialog dialog(kFixedLayer);
    HWND hwnd = Open(&dialog);
    LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex & WS_EX_APPWINDOW);
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(dialog.View().Resizable());
}

TEST_F(HostWindow, SetTextRefitsFromTheCornerAndRepaints)
{
    TestDialog dialog(kLayer);
    Open(&dialog);
    CBkWindow* text = dialog.FindItem(29);
    ASSERT_NE(nullptr, text);
    RECT before = text->Rect();
    ASSERT_TRUE(dialog.SetItemText(29, L"a much longer text than before"));
    RECT after = text->Rect();
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_GT(after.right, before.right);
    EXPECT_EQ(L"a much longer text than before", text->Text());
    ASSERT_TRUE(dialog.SetItemText(29, L""));
    EXPECT_EQ(text->Rect().left, text->Rect().right);

    EXPECT_FALSE(dialog.SetItemText(4242, L"x"));
    EXPECT_FALSE(dialog.SetItemAttribute(4242, "crbg", std::string("FF0000")));
    EXPECT_FALSE(dialog.EnableItem(4242, false));
    EXPECT_FALSE(dialog.SetItemVisible(4242, false));
    EXPECT_EQ(nullptr, dialog.FindItem(0));
}

TEST_F(HostWindow, SetAttributeInItsThreeFormsRepaintsOnlyWhatChanged)
{
    TestDialog dialog(kLayer);
    Open(&dialog);
    HWND view = dialog.View().Hwnd();
    EXPECT_EQ(0x808080u, Picture(view).At(250, 120));  // leaf 25

    ASSERT_TRUE(dialog.SetItemAttribute(25, "crbg", std::string("FF0000")));
    EXPECT_EQ(kRed, Picture(view).At(250, 120));
    ASSERT_TRUE(dialog.SetItemAttribute(25, "crbg", std::wstring(L"00FF00")));
    EXPECT_EQ(kGreen, Picture(view).At(250, 120));
    ASSERT_TRUE(dialog.SetItemIntAttribute(26, "transparent", 0));
    EXPECT_EQ(0, dialog.FindItem(26)->Transparent());
    ASSERT_TRUE(dialog.SetItemIntAttribute(26, "id", 77));
    EXPECT_NE(nullptr, dialog.FindItem(77));

    // A "pos" set at run time makes the parent place the element again.
    ASSERT_TRUE(dialog.SetItemAttribute(22, "pos", std::string("20,160,70,190")));
    EXPECT_EQ(20, dialog.FindItem(22)->Rect().left);
    EXPECT_EQ(210, dialog.FindItem(22)->Rect().top);

    // A colour changed behind the host's back stays unpainted until the
    // area is invalidated: the dirty region is all that is painted. (The
    // first picture paints what the changes above left dirty; 26 lies over 25.)
    EXPECT_EQ(kGreen, Picture(view).At(250, 120));
    dialog.FindItem(25)->Style().crbg = RGB(0, 0, 255);
    EXPECT_EQ(kGreen, Picture(view).At(250, 120));
    ElementNotify invalidate = {};
    invalidate.hdr.code = NotifyInvalidate;
    invalidate.rect = ElementNotifyRect{200, 100, 300, 150};
    SendMessageW(view, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&invalidate));
    EXPECT_EQ(kBlue, Picture(view).At(250, 120));
    EXPECT_TRUE(dialog.notices.empty());
}

TEST_F(HostWindow, HideShowAndDisable)
{
    TestDialog dialog(kLayer);
    Open(&dialog);
    HWND view = dialog.View().Hwnd();
    ASSERT_TRUE(dialog.SetItemVisible(21, false));
    EXPECT_FALSE(dialog.FindItem(21)->IsVisible(false));
    EXPECT_EQ(kWhite, Picture(view).At(20, 110));
    ASSERT_TRUE(dialog.SetItemVisible(21, true));
    EXPECT_EQ(kGreen, Picture(view).At(20, 110));

    // Hiding a container hides what is inside it from hit testing.
    ASSERT_TRUE(dialog.SetItemVisible(27, false));
    EXPECT_FALSE(dialog.FindItem(28)->IsVisible(true));
    EXPECT_EQ(kWhite, Picture(view).At(205, 205));

    SendMessageW(view, WM_MOUSEMOVE, 0, Point(20, 110));
    EXPECT_TRUE(dialog.FindItem(21)->State() & StateHover);
    ASSERT_TRUE(dialog.EnableItem(21, false));
    EXPECT_EQ(StateDisabled, dialog.FindItem(21)->State() & (StateDisabled | StateHover));
    ASSERT_TRUE(dialog.EnableItem(21, true));
    EXPECT_FALSE(dialog.FindItem(21)->State() & StateDisabled);
}

TEST_F(HostWindow, EscapeEnterAndCloseArriveAsClicksOneAndTwo)
{
    TestDialog dialog(kLayer);
    HWND hwnd = Open(&dialog);
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    SendMessageW(hwnd, WM_KEYDOWN, 'A', 0);
    std::vector<Notice> clicks = dialog.Clicks();
    ASSERT_EQ(3u, clicks.size());
    EXPECT_EQ(2u, clicks[0].itemId);
    EXPECT_EQ(1u, clicks[1].itemId);
    EXPECT_EQ(2u, clicks[2].itemId);
    for (const Notice& n : clicks) {
        EXPECT_EQ(std::string(), n.itemClass);
        EXPECT_EQ(static_cast<UINT_PTR>(kViewControlId), n.idFrom);
    }
    EXPECT_TRUE(IsWindow(hwnd));  // closing is the controller's decision

    // With Control held, Enter does nothing.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(3u, dialog.Clicks().size());

    // Keys reach the element under the mouse.
    SendMessageW(dialog.View().Hwnd(), WM_MOUSEMOVE, 0, Point(20, 110));
    SendMessageW(hwnd, WM_KEYDOWN, 'B', 0);
    SendMessageW(hwnd, WM_KEYUP, 'B', 0);
    auto* probe = static_cast<Probe*>(dialog.FindItem(21));
    EXPECT_EQ(1, probe->Count(WM_KEYDOWN));
    EXPECT_EQ(1, probe->Count(WM_KEYUP));
}

// A controller that ends its modal loop on the click the Escape key makes.
class ClosingDialog : public TestDialog {
public:
    ClosingDialog() : TestDialog(kLayer) {}

protected:
    BOOL OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override
    {
        if (message == WM_INITDIALOG)
            PostMessageW(GetHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
        if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == NotifyClick &&
            reinterpret_cast<const ElementNotify*>(lparam)->itemId == 2)
            EndDialog(42);
        return TestDialog::OnWindowMessage(message, wparam, lparam, result);
    }
};

TEST_F(HostWindow, DoModalRunsUntilEndDialogAndReturnsItsResult)
{
    ClosingDialog dialog;
    EXPECT_EQ(42, dialog.DoModal(nullptr));
    EXPECT_EQ(nullptr, dialog.GetHwnd());
    EXPECT_FALSE(dialog.Created());
    ASSERT_EQ(1u, dialog.Clicks().size());
    // A second run makes the window again from the layout.
    EXPECT_EQ(42, dialog.DoModal(nullptr));
    EXPECT_EQ(2, dialog.initDialogs);
}

TEST_F(HostWindow, ModalDialogDisablesItsOwnerForItsLife)
{
    TestDialog ownerDialog(kFixedLayer);
    HWND owner = Open(&ownerDialog);
    ShowWindow(owner, SW_SHOW);

    struct Watching : public ClosingDialog {
        HWND owner = nullptr;
        bool ownerEnabledInside = true;
        BOOL OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override
        {
            if (message == WM_INITDIALOG)
                ownerEnabledInside = IsWindowEnabled(owner) != FALSE;
            return ClosingDialog::OnWindowMessage(message, wparam, lparam, result);
        }
    } dialog;
    dialog.owner = owner;
    EXPECT_EQ(42, dialog.DoModal(owner));
    EXPECT_FALSE(dialog.ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

