// A real host window made from a layer resource: the keys and commands that
// become clicks, and the modal loop.
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

}  // namespace

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

