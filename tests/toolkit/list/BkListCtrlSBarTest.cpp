// The "listSbar" element under Wine: scroll range and bar layout, the
// first layout at the top, clamping, bar visibility, presses the bar
// takes, wheel scrolling eased to its target on the animation ticks, and
// HoverLastItem.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/list/BkListCtrlSBar.h"
#include "toolkit/scroll/AnimClock.h"
#include "toolkit/scroll/AnimTrigger.h"
#include "toolkit/scroll/RSAnimElement.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/skins/SkinPool.h"

using namespace element_test;

namespace {

// Records the rows the list asks to fill.
class RecordingObserver : public IListCtrlEventObserver {
public:
    int32_t OnListEvent(CBkListCtrl* list, int32_t code, int32_t, CBkWindow*) override
    {
        if (code == ListEventFillRow)
            rows.push_back(list->RowNotify().row);
        return 0;
    }
    std::vector<int32_t> rows;
};

// A list whose cursor position the test sets.
class TestSBarList : public CBkListCtrlSBar {
public:
    POINT cursor = {0, 0};

protected:
    POINT CursorPosition() override { return cursor; }
};

uint32_t g_now = 0;
uint32_t FakeNow() { return g_now; }

class TickTrigger : public AnimTrigger {
public:
    void RunningChanged(bool running) override { this->running = running; }
    bool running = false;
};

class SBarList : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadStyles(303)); }
    void SetUp() override
    {
        SetAnimTickSource(&FakeNow);
        g_now = 1000;
        // Scroll animations made from now on run on this trigger.
        SetMainAnimTrigger(&trigger);
    }
    void TearDown() override
    {
        SetMainAnimTrigger(nullptr);
        SetAnimTickSource(nullptr);
    }
    // 100 x 100 at y = 20, rows of 30.
    std::unique_ptr<TestSBarList> Make(int rows, const std::string& extra = "")
    {
        std::string xml = "<listSbar src=\"301\" pos=\"0,0,-0,-0\" cnormal=\"listRowNormal\" "
                          "chover=\"listRowHover\" cselect=\"listRowSelect\" " + extra + "/>";
        bool loaded = false;
        auto list = LoadElement<TestSBarList>(xml, host.Hwnd(), &loaded);
        EXPECT_TRUE(loaded);
        list->SetObserver(&observer);
        Place(list.get(), 0, 20, 100, 100);
        list->SetItemCount(rows);
        return list;
    }
    TickTrigger trigger;
    HostWindow host;
    RecordingObserver observer;
};

TEST_F(SBarList, RangeIsTheOverflowPlusTheReservedPixelsAndPositionsClamp)
{
    auto list = Make(10);  // 300 high in a 100-high control
    EXPECT_EQ(250, list->GetScrollMax());
    const RECT bar = list->ScrollBar().BarRect();
    EXPECT_EQ((std::vector<LONG>{85, 20, 100, 120}), (std::vector<LONG>{bar.left, bar.top, bar.right, bar.bottom}));
    list->ScrollToEnd();
    EXPECT_EQ(250, list->GetScrollPos());
    EXPECT_FALSE(list->IsScrollAtRowBoundary());
    list->SetScrollPos(60);
    EXPECT_TRUE(list->IsScrollAtRowBoundary());
    list->SetScrollPos(200);
    list->SetItemCount(5);  // fewer rows clamp to 150 - 100 + 50
    EXPECT_EQ(100, list->GetScrollPos());
    list->SetItemCount(20);  // more rows keep it
    EXPECT_EQ(100, list->GetScrollPos());
    Place(list.get(), 0, 20, 100, 500);  // a taller control: 600 - 500 + 50
    EXPECT_EQ(100, list->GetScrollPos());
    Place(list.get(), 0, 20, 100, 560);
    EXPECT_EQ(90, list->GetScrollPos());

    list->SetReserved(0);  // lasts until the next move
    list->SetItemCount(10);
    EXPECT_EQ(0, list->GetScrollMax());
    Place(list.get(), 0, 20, 100, 100);
    EXPECT_EQ(250, list->GetScrollMax());
    CBkListCtrlSBar attributes;
    attributes.SetAttribute("reserved", "0", true);
    attributes.SetAttribute("pos", "0,0,-0,-0", true);
    attributes.SetItemHeight(30);
    attributes.SetItemCount(10);
    Place(&attributes, 0, 0, 100, 100);
    EXPECT_EQ(200, attributes.GetScrollMax()) << "\"reserved\" replaces the 50 at the placement";
}

TEST_F(SBarList, TheWheelEasesOnTheTicksAndTheRowsPaintFromTheNewOffsetUnderTheBar)
{
    SetElementSkins(&SkinPool::Instance());
    ASSERT_TRUE(SkinPool::Instance().LoadDocument(
        "<skins><gradation name=\"listBarBack\" to=\"CCCCCC\"/><gradation name=\"listBarThumb\" to=\"333333\"/></skins>"));
    auto list = Make(20, "vertSBar=\"listBar\"");
    list->SetWheelStep(80);
    LRESULT result = 0;
    list->ProcessMessage(host.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(50, 50),
                         &result);
    EXPECT_EQ(1, result);
    EXPECT_TRUE(trigger.running);
    EXPECT_EQ(0, list->GetScrollPos());
    g_now += 150;
    EXPECT_TRUE(trigger.StepAll());
    EXPECT_EQ(44, list->GetScrollPos());
    g_now += 150;
    trigger.StepAll();
    EXPECT_EQ(80, list->GetScrollPos());
    g_now += 50;
    EXPECT_FALSE(trigger.StepAll());

    observer.rows.clear();
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(2, observer.rows.front()) << "80 / 30";
    RECT thumb = list->ScrollBar().ThumbRect();
    EXPECT_EQ(0x333333u, canvas.At(92, (thumb.top + thumb.bottom) / 2));
    EXPECT_EQ(0xCCCCCCu, canvas.At(92, 115));
    EXPECT_EQ(0xFFFFFFu, canvas.At(84, 115));
    auto fitting = Make(2, "vertSBar=\"listBar\" alwaysshowscrollbar=\"0\" reserved=\"0\"");
    Canvas plain(100, 140);
    fitting->RedrawRegion(plain.Dc(), nullptr);
    EXPECT_EQ(0xFFFFFFu, plain.At(92, 35)) << "no bar while the rows fit";
    SetElementSkins(nullptr);
    SkinPool::Instance().Clear();
}

}  // namespace
