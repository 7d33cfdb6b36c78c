// A "listSbar" inside a real host view, driven by messages to the view:
// the host hands the list every mouse message, routes its hover timer,
// forwards its child clicks to the dialog and repaints what it asks for.
#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "tests/toolkit/ViewProbe.h"

#include <commctrl.h>

#include "toolkit/ElementFactory.h"
#include "toolkit/host/BkDialogImpl.h"
#include "toolkit/scroll/AnimClock.h"
#include "toolkit/scroll/AnimTrigger.h"
#include "toolkit/scroll/RSAnimElement.h"

using namespace list_test;

namespace {

const unsigned kLayer = 304;
const int kListId = 20025;

uint32_t g_now = 0;
uint32_t FakeNow() { return g_now; }

class ListFactory : public ICtrlFactory {
public:
    CBkWindow* CreateCtrl(const char* tag) override
    {
        return std::string(tag) == "listSbar" ? new TestSBarList : nullptr;
    }
};

class TickTrigger : public AnimTrigger {
public:
    void RunningChanged(bool) override {}
};

class ClickDialog : public CBkDialogImpl {
public:
    ClickDialog() : CBkDialogImpl(kLayer) {}
    std::vector<uint32_t> clickIds;
    std::vector<std::string> clickClasses;

protected:
    BOOL OnWindowMessage(UINT message, WPARAM, LPARAM lparam, LRESULT* result) override
    {
        if (message != WM_NOTIFY)
            return FALSE;
        const ElementNotify* n = reinterpret_cast<const ElementNotify*>(lparam);
        if (n->hdr.code == NotifyClick) {
            clickIds.push_back(n->itemId);
            clickClasses.push_back(n->itemClass ? n->itemClass : "");
        }
        *result = 0;
        return TRUE;
    }
};

class ListInHost : public ListFixture {
protected:
    void SetUp() override
    {
        ControlsFactory::Register(&factory);
        SetAnimTickSource(&FakeNow);
        g_now = 5000;
        SetMainAnimTrigger(&trigger);
        ASSERT_NE(nullptr, dialog.Create(nullptr));
        view = dialog.View().Hwnd();
        list = dynamic_cast<TestSBarList*>(dialog.FindItem(kListId));
        ASSERT_NE(nullptr, list);
        list->SetObserver(&observer);
        list->SetWheelStep(80);
        list->SetItemCount(10);
    }
    void TearDown() override
    {
        SetMainAnimTrigger(nullptr);
        SetAnimTickSource(nullptr);
        ControlsFactory::Register(nullptr);
    }
    LRESULT ToView(UINT msg, WPARAM wparam, int x, int y)
    {
        return SendMessageW(view, msg, wparam, MAKELPARAM(x, y));
    }

    ListFactory factory;
    TickTrigger trigger;
    ClickDialog dialog;
    HWND view = nullptr;
    TestSBarList* list = nullptr;
};

TEST_F(ListInHost, ClicksSelectRowsAndChildClicksReachTheDialogBeforeTheListsOwn)
{
    RECT r = list->Rect();
    EXPECT_EQ((std::vector<LONG>{50, 200, 200}), (std::vector<LONG>{r.top, r.bottom, r.right}));
    EXPECT_EQ(200, list->GetScrollMax());
    EXPECT_EQ(view, list->Host());
    ToView(WM_LBUTTONDOWN, MK_LBUTTON, 50, 95);
    ToView(WM_LBUTTONUP, 0, 50, 95);
    EXPECT_EQ(std::vector<int32_t>({1}), list->SelectedRows());
    EXPECT_EQ(0x8FC9ECu, view_test::Picture(view).At(50, 95)) << "the repaint shows it";
    EXPECT_EQ(0xFFFFFFu, view_test::Picture(view).At(50, 65));
    ToView(WM_LBUTTONDOWN, MK_LBUTTON, 75, 65);
    ToView(WM_LBUTTONUP, 0, 75, 65);
    const std::vector<uint32_t> ids = {kListId, kButtonId, kListId};
    EXPECT_EQ(ids, dialog.clickIds);
    EXPECT_EQ((std::vector<std::string>{"listSbar", "dlg", "listSbar"}), dialog.clickClasses);
}

TEST_F(ListInHost, TheHostRoutesTheHoverTimerTheTipAndTheWheelToTheList)
{
    ToView(WM_MOUSEMOVE, 0, 75, 125);
    list->cursor = POINT{75, 125};
    ToView(WM_TIMER, CBkListCtrl::kHoverTimer, 0, 0);
    EXPECT_EQ(2, list->GetHoverIndex());
    EXPECT_EQ(0xEEF9FFu, view_test::Picture(view).At(50, 125));
    HWND tooltip = list->TooltipLink();
    ASSERT_NE(nullptr, tooltip);
    EXPECT_EQ(std::wstring(L"打开"), view_test::TooltipText(tooltip, view));

    POINT screen = {50, 95};
    ClientToScreen(view, &screen);
    SendMessageW(view, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(screen.x, screen.y));
    g_now += 300;
    trigger.StepAll();
    EXPECT_EQ(80, list->GetScrollPos());
    list->SetSelectedIndex(4);  // row 4 now starts at 50 - 80 + 120
    list->Redraw();
    EXPECT_EQ(0x8FC9ECu, view_test::Picture(view).At(50, 95));
}

}  // namespace
