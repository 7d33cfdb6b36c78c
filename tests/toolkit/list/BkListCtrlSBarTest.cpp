// The "listSbar" element under Wine: scroll range and bar layout, the
// first layout at the top, clamping, bar visibility, presses the bar
// takes, wheel scrolling eased to its target on the animation ticks, and
// HoverLastItem.
#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "toolkit/scroll/AnimClock.h"
#include "toolkit/scroll/AnimTrigger.h"
#include "toolkit/scroll/RSAnimElement.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/skins/SkinPool.h"

using namespace list_test;

namespace {

uint32_t g_now = 0;
uint32_t FakeNow() { return g_now; }

class TickTrigger : public AnimTrigger {
public:
    void RunningChanged(bool running) override { this->running = running; }
    bool running = false;
};

class SBarList : public ListFixture {
protected:
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
        auto list = LoadElement<TestSBarList>(xml, host.Get(), &loaded);
        EXPECT_TRUE(loaded);
        list->SetObserver(&observer);
        Place(list.get(), 0, 20, 100, 100);
        list->SetItemCount(rows);
        return list;
    }
    TickTrigger trigger;
};

TEST_F(SBarList, AttributesOfTheScrollBarList)
{
    CBkListCtrlSBar list;
    EXPECT_EQ(kAttrApplied, list.SetAttribute("reserved", "0", true));
    EXPECT_EQ(kAttrRepaint, list.SetAttribute("src", "301", true));
    EXPECT_EQ(kAttrNotRecognised, list.SetAttribute("thumb", "x", true));
    // "reserved" replaces the bar's 50 extra pixels at the next placement.
    list.SetAttribute("pos", "0,0,-0,-0", true);
    list.SetItemHeight(30);
    list.SetItemCount(10);
    EXPECT_EQ(300 - 0 + 50, list.GetScrollMax());
    Place(&list, 0, 0, 100, 100);
    EXPECT_EQ(300 - 100 + 0, list.GetScrollMax());
}

TEST_F(SBarList, RangeIsTheOverflowPlusTheReservedPixels)
{
    auto list = Make(10);  // 300 high in a 100-high control
    EXPECT_EQ(250, list->GetScrollMax());
    RECT bar = list->ScrollBar().BarRect();
    EXPECT_EQ(85, bar.left);
    EXPECT_EQ(20, bar.top);
    EXPECT_EQ(100, bar.right);
    EXPECT_EQ(120, bar.bottom);
    EXPECT_TRUE(list->ScrollBar().IsVisible(false));
    list->ScrollToEnd();
    EXPECT_EQ(250, list->GetScrollPos());
    EXPECT_FALSE(list->IsScrollAtRowBoundary());
    list->SetScrollPos(60);
    EXPECT_TRUE(list->IsScrollAtRowBoundary());
    list->SetScrollPos(5000);
    EXPECT_EQ(250, list->GetScrollPos());
    list->ScrollToTop();
    EXPECT_EQ(0, list->GetScrollPos());

    // Fewer rows clamp the position to the new overflow.
    list->SetScrollPos(200);
    list->SetItemCount(5);  // 150 - 100 + 50
    EXPECT_EQ(100, list->GetScrollMax());
    EXPECT_EQ(100, list->GetScrollPos());
    // More rows keep it.
    list->SetItemCount(20);
    EXPECT_EQ(100, list->GetScrollPos());
}

TEST_F(SBarList, FirstLayoutStartsAtTheTopAndMovesKeepTheClampedPosition)
{
    auto list = Make(10);
    list->SetScrollPos(120);
    Place(list.get(), 0, 20, 100, 100);
    EXPECT_EQ(120, list->GetScrollPos());
    // A taller control: the overflow drops to 300 - 200 + 50.
    Place(list.get(), 0, 20, 100, 200);
    EXPECT_EQ(150, list->GetScrollMax());
    EXPECT_EQ(120, list->GetScrollPos());
    Place(list.get(), 0, 20, 100, 260);
    EXPECT_EQ(90, list->GetScrollPos());
}

TEST_F(SBarList, SetReservedLastsUntilTheNextMove)
{
    auto list = Make(10);
    list->SetReserved(0);
    list->SetItemCount(10);
    EXPECT_EQ(200, list->GetScrollMax());
    Place(list.get(), 0, 20, 100, 100);
    EXPECT_EQ(250, list->GetScrollMax());
}

TEST_F(SBarList, BarHidesWhileTheRowsFitUnlessAlwaysShown)
{
    auto list = Make(3, "reserved=\"0\" alwaysshowscrollbar=\"0\"");  // 90 in 100
    EXPECT_FALSE(list->ScrollBar().IsVisible(false));
    EXPECT_EQ(0, list->GetScrollMax());
    list->SetTopMargin(11);  // content 101: one pixel too tall
    list->SetItemCount(3);
    EXPECT_TRUE(list->ScrollBar().IsVisible(false));
    EXPECT_EQ(1, list->GetScrollMax());

    auto shown = Make(1, "reserved=\"0\"");
    EXPECT_TRUE(shown->ScrollBar().IsVisible(false));
}

TEST_F(SBarList, HorizontalBarLiesAlongTheBottom)
{
    auto list = Make(10, "SBarType=\"1\"");
    EXPECT_TRUE(list->ScrollBar().IsHorizontal());
    RECT bar = list->ScrollBar().BarRect();
    EXPECT_EQ(0, bar.left);
    EXPECT_EQ(105, bar.top);
    EXPECT_EQ(100, bar.right);
    EXPECT_EQ(120, bar.bottom);

    list->SetScrollBarRect(RECT{1, 2, 3, 4});
    list->Layout();
    bar = list->ScrollBar().BarRect();
    EXPECT_EQ(1, bar.left);
    EXPECT_EQ(4, bar.bottom);
}

TEST_F(SBarList, WheelEasesThePositionToItsTargetOnTheAnimationTicks)
{
    auto list = Make(20);
    list->SetWheelStep(80);
    LRESULT handled = Send(list.get(), host.Get(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 50, 50);
    EXPECT_EQ(1, handled);
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
    EXPECT_EQ(80, list->GetScrollPos());

    // The rows drawn start from the new offset: 80 / 30 = row 2.
    observer.calls.clear();
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    ASSERT_FALSE(observer.calls.empty());
    EXPECT_EQ(2, observer.calls.front().row);

    // Up again, back to the top.
    Send(list.get(), host.Get(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 50, 50);
    g_now += 400;
    trigger.StepAll();
    EXPECT_EQ(0, list->GetScrollPos());
}

TEST_F(SBarList, APressOnTheTrackPagesThenSelectsTheRowAtThatHeight)
{
    auto list = Make(40);  // range 1200 - 100 + 50
    list->SetSelectedIndex(0);
    RECT thumb = list->ScrollBar().ThumbRect();
    int below = thumb.bottom + 10;
    ASSERT_LT(below, 120);
    Send(list.get(), host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, 92, below);
    EXPECT_EQ(544, list->GetScrollPos());
    Send(list.get(), host.Get(), WM_LBUTTONUP, 0, 92, below);
    // Rows of 30 from y 20, scrolled by 544.
    const int32_t row = (below - 20 + 544) / 30;
    EXPECT_EQ(std::vector<int32_t>({row}), list->SelectedRows());
    EXPECT_EQ(row, list->GetHoverIndex());

    // A press on the thumb is the bar's alone: the selection stays.
    thumb = list->ScrollBar().ThumbRect();
    const int onThumb = (thumb.top + thumb.bottom) / 2;
    Send(list.get(), host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, 92, onThumb);
    Send(list.get(), host.Get(), WM_LBUTTONUP, 0, 92, onThumb);
    EXPECT_EQ(544, list->GetScrollPos());
    EXPECT_EQ(std::vector<int32_t>({row}), list->SelectedRows());

    // A press on the rows selects as in the plain list.
    Send(list.get(), host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, 40, 35);
    Send(list.get(), host.Get(), WM_LBUTTONUP, 0, 40, 35);
    // 544 = 18 rows + 4 pixels: the point is in row 18.
    EXPECT_EQ(std::vector<int32_t>({18}), list->SelectedRows());
}

TEST_F(SBarList, HoverLastItemSelectsTheLastRow)
{
    auto list = Make(6);
    list->HoverLastItem();
    EXPECT_EQ(5, list->GetHoverIndex());
    EXPECT_EQ(5, list->GetSelectedIndex());
}

TEST_F(SBarList, PaintingDrawsTheRowsAroundTheBar)
{
    auto list = Make(10);
    list->SetSelectedIndex(0);
    list->SetScrollPos(30);
    Canvas canvas(100, 140);
    observer.calls.clear();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(1, observer.calls.front().row);
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 35));
    list->ScrollToTop();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 35));
}

TEST_F(SBarList, TheBarIsPaintedOverTheRowsOnlyWhileVisible)
{
    // Elements find skins through the slot that loading skins fills.
    SetElementSkins(&SkinPool::Instance());
    ASSERT_TRUE(SkinPool::Instance().LoadDocument(
        "<skins><gradation name=\"listBarBack\" to=\"CCCCCC\"/>"
        "<gradation name=\"listBarThumb\" to=\"333333\"/></skins>"));
    auto list = Make(10, "vertSBar=\"listBar\"");
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    RECT thumb = list->ScrollBar().ThumbRect();
    ASSERT_LT(thumb.bottom, 110);
    EXPECT_EQ(0x333333u, canvas.At(92, (thumb.top + thumb.bottom) / 2));
    EXPECT_EQ(0xCCCCCCu, canvas.At(92, 115));
    EXPECT_EQ(0xFFFFFFu, canvas.At(84, 115));

    auto fitting = Make(2, "vertSBar=\"listBar\" alwaysshowscrollbar=\"0\" reserved=\"0\"");
    Canvas plain(100, 140);
    fitting->RedrawRegion(plain.Dc(), nullptr);
    EXPECT_EQ(0xFFFFFFu, plain.At(92, 35));
    EXPECT_EQ(Canvas::kBlank, plain.At(92, 115));
}

}  // namespace
