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

const uint32_t kGreen = 0x00FF00;

}  // namespace

TEST_F(HostWindow, TheLayerGivesAFramelessWindowOfItsSizeWithItsPartsLaidOut)
{
    TestDialog dialog(kLayer);
    HWND hwnd = Open(&dialog);
    RECT window = {}, view = {};
    GetWindowRect(hwnd, &window);
    GetClientRect(dialog.View().Hwnd(), &view);
    EXPECT_EQ(400, window.right - window.left);
    EXPECT_EQ(700, window.bottom - window.top);
    EXPECT_EQ(400, view.right);
    EXPECT_EQ(700, view.bottom);
    EXPECT_EQ(kViewControlId, GetDlgCtrlID(dialog.View().Hwnd()));
    EXPECT_EQ(1, dialog.initDialogs);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_TRUE((style & WS_POPUP) && (style & WS_SYSMENU) && (style & WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    wchar_t title[32] = {};
    GetWindowTextW(hwnd, title, 32);
    EXPECT_EQ(std::wstring(L"宿主测试"), title);

    EXPECT_EQ(200, dialog.FindItem(22)->Rect().top);  // inside the body, below the header
    Picture picture(dialog.View().Hwnd());
    EXPECT_EQ(kGreen, picture.At(20, 110));
}

TEST_F(HostWindow, EscapeEnterAndCloseArriveAsClicksOneAndTwoAndOtherKeysReachTheHoverElement)
{
    TestDialog dialog(kLayer);
    HWND hwnd = Open(&dialog);
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    SendMessageW(hwnd, WM_KEYDOWN, 'A', 0);
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;  // with Control held, Enter does nothing
        SetKeyboardState(keys);
        SendMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    std::vector<Notice> clicks = dialog.Clicks();
    ASSERT_EQ(3u, clicks.size());
    const uint32_t ids[] = {2, 1, 2};
    for (size_t i = 0; i < clicks.size(); ++i) {
        EXPECT_EQ(ids[i], clicks[i].itemId);
        EXPECT_EQ(std::string(), clicks[i].itemClass);
        EXPECT_EQ(static_cast<UINT_PTR>(kViewControlId), clicks[i].idFrom);
    }
    EXPECT_TRUE(IsWindow(hwnd)) << "closing is the controller's decision";
    SendMessageW(dialog.View().Hwnd(), WM_MOUSEMOVE, 0, Point(20, 110));
    SendMessageW(hwnd, WM_KEYDOWN, 'B', 0);
    SendMessageW(hwnd, WM_KEYUP, 'B', 0);
    auto* probe = static_cast<Probe*>(dialog.FindItem(21));
    EXPECT_EQ(1, probe->Count(WM_KEYDOWN));
    EXPECT_EQ(1, probe->Count(WM_KEYUP));
}

