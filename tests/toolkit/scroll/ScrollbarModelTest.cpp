#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "toolkit/scroll/ScrollbarModel.h"

namespace {

ElementRect R(int32_t l, int32_t t, int32_t r, int32_t b)
{
    ElementRect rect;
    rect.left = l;
    rect.top = t;
    rect.right = r;
    rect.bottom = b;
    return rect;
}

void ExpectRect(const ElementRect& r, int32_t l, int32_t t, int32_t rr, int32_t b, const char* what)
{
    EXPECT_EQ(l, r.left) << what;
    EXPECT_EQ(t, r.top) << what;
    EXPECT_EQ(rr, r.right) << what;
    EXPECT_EQ(b, r.bottom) << what;
}

// A bar with the given range, no reserve.
ScrollbarModel Bar(bool horizontal, const ElementRect& rect, int32_t max)
{
    ScrollbarModel bar;
    bar.SetOrientation(horizontal);
    bar.SetReserved(0);
    bar.SetScrollRange(max);
    bar.SetBarRect(rect);
    return bar;
}

TEST(ScrollbarGeometry, VerticalThumbOfFiftyOnAHundredHighBar)
{
    const int T = 20, L = 300;
    ScrollbarParts p0 = ComputeScrollbarParts(false, 15, 0, R(L, T, L + 15, T + 100), 0, 100);
    EXPECT_EQ(50, p0.thumbLength);
    ExpectRect(p0.thumb, L, T + 3, L + 15, T + 47, "p = 0");
    ExpectRect(p0.first, L, T, L + 15, T, "up arrow is empty");
    ExpectRect(p0.second, L, T + 100, L + 15, T + 100, "down arrow is empty");

    ScrollbarParts pm = ComputeScrollbarParts(false, 15, 0, R(L, T, L + 15, T + 100), 100, 100);
    ExpectRect(pm.thumb, L, T + 53, L + 15, T + 97, "p = m");
}

TEST(ScrollbarGeometry, VerticalThumbLengthAndItsLimits)
{
    ScrollbarParts big = ComputeScrollbarParts(false, 15, 0, R(0, 0, 15, 100), 0, 10000);
    EXPECT_EQ(30, big.thumbLength);
    ExpectRect(big.thumb, 0, 3, 15, 27, "minimum length");
    big = ComputeScrollbarParts(false, 15, 0, R(0, 0, 15, 100), 10000, 10000);
    ExpectRect(big.thumb, 0, 73, 15, 97, "minimum length at the end");

    ScrollbarParts none = ComputeScrollbarParts(false, 15, 0, R(0, 10, 15, 110), 0, 0);
    ExpectRect(none.thumb, 0, 10, 15, 110, "no range fills the bar");

    // A 20 high bar: the 30 long thumb would pass the bottom and is put back.
    ScrollbarParts shortBar = ComputeScrollbarParts(false, 15, 0, R(0, 100, 15, 120), 0, 100);
    ExpectRect(shortBar.thumb, 0, 90, 15, 120, "thumb against the bottom");
}

TEST(ScrollbarGeometry, VerticalBarNoLongerThanItsWidthHasOnlyArrows)
{
    ScrollbarParts p = ComputeScrollbarParts(false, 15, 0, R(5, 40, 20, 55), 3, 100);
    ExpectRect(p.first, 5, 40, 20, 47, "up arrow");
    ExpectRect(p.second, 5, 48, 20, 55, "down arrow");
    ExpectRect(p.thumb, 0, 0, 0, 0, "no thumb");
    EXPECT_EQ(0, p.thumbLength);
}

TEST(ScrollbarGeometry, HorizontalBar)
{
    const int L = 10, T = 200;
    ScrollbarParts p = ComputeScrollbarParts(true, 0, 15, R(L, T, L + 300, T + 15), 0, 200);
    ExpectRect(p.first, L, T, L + 15, T + 15, "left arrow");
    ExpectRect(p.second, L + 285, T, L + 300, T + 15, "right arrow");
    EXPECT_EQ(162, p.thumbLength);
    ExpectRect(p.thumb, L + 15, T, L + 177, T + 15, "p = 0");
    p = ComputeScrollbarParts(true, 0, 15, R(L, T, L + 300, T + 15), 200, 200);
    ExpectRect(p.thumb, L + 123, T, L + 285, T + 15, "p = m ends at the right arrow");

    p = ComputeScrollbarParts(true, 0, 15, R(L, T, L + 300, T + 15), 0, 0);
    ExpectRect(p.thumb, L + 15, T, L + 285, T + 15, "no range fills between the arrows");
    p = ComputeScrollbarParts(true, 0, 15, R(L, T, L + 300, T + 15), 0, 1000000);
    EXPECT_EQ(15, p.thumbLength);
}

TEST(ScrollbarGeometry, HorizontalBarTooShortForAThumb)
{
    ScrollbarParts p = ComputeScrollbarParts(true, 0, 15, R(0, 0, 40, 15), 0, 100);
    ExpectRect(p.first, 0, 0, 15, 15, "half capped at the thickness");
    ExpectRect(p.second, 25, 0, 40, 15, "right arrow");
    ExpectRect(p.thumb, 0, 0, 0, 0, "no thumb");
    p = ComputeScrollbarParts(true, 0, 15, R(0, 0, 21, 15), 0, 100);
    ExpectRect(p.first, 0, 0, 10, 15, "half of 21");
    ExpectRect(p.second, 11, 0, 21, 15, "right half");
}

TEST(ScrollbarGeometry, RandomRectanglesKeepTheThumbInsideTheBar)
{
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int32_t> coord(-5000, 5000), size(0, 3000), range(-100, 100000);
    for (int i = 0; i < 20000; ++i) {
        const bool horizontal = (i & 1) != 0;
        const int32_t l = coord(rng), t = coord(rng);
        const ElementRect bar = R(l, t, l + size(rng), t + size(rng));
        const int32_t max = std::max(range(rng), 0);
        std::uniform_int_distribution<int32_t> posIn(0, max);
        const int32_t pos = posIn(rng);
        ScrollbarParts p = ComputeScrollbarParts(horizontal, horizontal ? 0 : 15, horizontal ? 15 : 0, bar, pos, max);
        if (p.thumbLength == 0)
            continue;
        if (horizontal) {
            ASSERT_LE(p.thumb.right, bar.right - 15) << i;
            ASSERT_GE(p.thumb.left, bar.left + 15) << i;
        } else {
            ASSERT_LE(p.thumb.bottom, bar.bottom) << i;
        }
    }
    // Extreme rectangles give some answer without overflow traps.
    ComputeScrollbarParts(false, 15, 0, R(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), INT32_MAX, INT32_MAX);
    ComputeScrollbarParts(true, 0, 15, R(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), 1, INT32_MAX);
    ComputeScrollbarParts(false, 15, 0, R(0, 100, 15, 0), 5, 10);
}

TEST(ScrollbarDragDelta, ScalesTheMovementAndRefusesAZeroDivisor)
{
    EXPECT_EQ(20, ScrollbarDragDelta(10, 100, 100, 50, 0));
    EXPECT_EQ(-20, ScrollbarDragDelta(-10, 100, 100, 50, 0));
    EXPECT_EQ(100, ScrollbarDragDelta(54, 200, 300, 162, 15));
    EXPECT_EQ(0, ScrollbarDragDelta(10, 100, 80, 50, 15));
    EXPECT_EQ(INT32_MAX, ScrollbarDragDelta(INT32_MAX, INT32_MAX, 2, 0, 0));
}

TEST(ScrollbarRange, ReserveIsAddedAndPositionsClamp)
{
    ScrollbarModel bar;
    EXPECT_EQ(0, bar.Max());
    EXPECT_EQ(50, bar.Reserved());
    EXPECT_FALSE(bar.IsHorizontal());
    EXPECT_EQ(15, bar.VerticalThickness());
    EXPECT_EQ(0, bar.HorizontalThickness());
    bar.SetScrollRange(100);
    EXPECT_EQ(150, bar.Max());
    bar.SetPos(400);
    EXPECT_EQ(150, bar.Pos());
    bar.SetPos(-3);
    EXPECT_EQ(0, bar.Pos());
    bar.SetPos(120);
    bar.SetScrollRange(-20);
    EXPECT_EQ(30, bar.Max());
    EXPECT_EQ(30, bar.Pos());
    bar.SetScrollRange(-80);
    EXPECT_EQ(0, bar.Max());
    EXPECT_EQ(0, bar.Pos());
    bar.SetScrollRange(INT32_MAX);
    EXPECT_EQ(INT32_MAX, bar.Max());

    bar.SetOrientation(true);
    EXPECT_EQ(0, bar.VerticalThickness());
    EXPECT_EQ(15, bar.HorizontalThickness());
    bar.SetOrientation(false);
    EXPECT_EQ(15, bar.VerticalThickness());
}

TEST(ScrollbarPress, HeldRightArrowStepsSixteenUntilTheEnd)
{
    ScrollbarModel bar = Bar(true, R(0, 0, 300, 15), 200);
    const ScrollbarPoint onRight{290, 7};
    ScrollbarAction a = bar.Press(onRight);
    EXPECT_EQ(ScrollbarPart::Second, a.part);
    EXPECT_TRUE(a.moved);
    EXPECT_EQ(ScrollbarModel::kTimerSecond, a.startTimer);
    EXPECT_EQ(50u, a.interval);
    EXPECT_EQ(16, bar.Pos());
    EXPECT_EQ(ScrollbarModel::kPartPushed, bar.PartState(ScrollbarPart::Second) & ScrollbarModel::kPartPushed);
    int repeats = 0;
    while (bar.Pos() < 200 && repeats < 100) {
        a = bar.Timer(ScrollbarModel::kTimerSecond, onRight);
        EXPECT_EQ(ScrollbarModel::kTimerSecond, a.startTimer);
        ++repeats;
        if (bar.Pos() < 200) {
            EXPECT_EQ(16 * (repeats + 1), bar.Pos());
        }
    }
    EXPECT_EQ(12, repeats);
    EXPECT_EQ(200, bar.Pos());

    bar.Release();
    EXPECT_EQ(0u, bar.PartState(ScrollbarPart::Second));
}

TEST(ScrollbarPress, LeftArrowStepsBackAndStopsAtZero)
{
    ScrollbarModel bar = Bar(true, R(0, 0, 300, 15), 200);
    bar.SetPos(20);
    ScrollbarAction a = bar.Press(ScrollbarPoint{3, 3});
    EXPECT_EQ(ScrollbarPart::First, a.part);
    EXPECT_EQ(ScrollbarModel::kTimerFirst, a.startTimer);
    EXPECT_EQ(4, bar.Pos());
    bar.Timer(ScrollbarModel::kTimerFirst, ScrollbarPoint{3, 3});
    EXPECT_EQ(0, bar.Pos());
    // The cursor has left the bar: the repeat does nothing and asks no timer.
    a = bar.Timer(ScrollbarModel::kTimerFirst, ScrollbarPoint{3, 40});
    EXPECT_EQ(ScrollbarPart::None, a.part);
    EXPECT_EQ(0u, a.startTimer);
}

TEST(ScrollbarPress, PagingOnAVerticalBar)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 300), 2000);
    bar.SetPos(1000);
    const ElementRect thumb = bar.Parts().thumb;
    ScrollbarAction a = bar.Press(ScrollbarPoint{7, thumb.bottom + 1});
    EXPECT_EQ(ScrollbarPart::Track, a.part);
    EXPECT_EQ(ScrollbarModel::kTimerPage, a.startTimer);
    EXPECT_EQ(50u, a.interval);
    EXPECT_EQ(1544, bar.Pos());
    bar.Press(ScrollbarPoint{7, 299});
    EXPECT_EQ(2000, bar.Pos());

    bar.SetPos(1000);
    bar.Press(ScrollbarPoint{7, bar.Parts().thumb.top - 1});
    EXPECT_EQ(456, bar.Pos());
    bar.Press(ScrollbarPoint{7, 0});
    EXPECT_EQ(0, bar.Pos());
    // The row right under the thumb's (excluded) bottom edge is below it.
    bar.SetPos(1000);
    bar.Press(ScrollbarPoint{7, bar.Parts().thumb.bottom});
    EXPECT_EQ(1544, bar.Pos());
}

TEST(ScrollbarPress, PagingOnAHorizontalBarGoesBack)
{
    ScrollbarModel bar = Bar(true, R(0, 0, 1000, 15), 5000);
    bar.SetPos(3000);
    bar.Press(ScrollbarPoint{990 - 20, 7});
    EXPECT_EQ(3000 - 544, bar.Pos());
}

TEST(ScrollbarPress, OutsideTheBarNothingHappens)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 300), 2000);
    ScrollbarAction a = bar.Press(ScrollbarPoint{15, 10});
    EXPECT_EQ(ScrollbarPart::None, a.part);
    EXPECT_FALSE(a.moved);
    EXPECT_EQ(0u, a.startTimer);
    EXPECT_EQ(0, bar.Pos());
}

TEST(ScrollbarDrag, VerticalThumbFollowsTheMouse)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 100), 100);
    ScrollbarAction a = bar.Press(ScrollbarPoint{7, 10});
    EXPECT_EQ(ScrollbarPart::Thumb, a.part);
    EXPECT_FALSE(a.moved);
    EXPECT_EQ(ScrollbarModel::kTimerDrag, a.startTimer);
    EXPECT_EQ(10u, a.interval);
    EXPECT_TRUE(bar.Dragging());
    // Divisor 100 - 50 - 0: ten pixels are twenty positions.
    a = bar.Move(ScrollbarPoint{7, 20});
    EXPECT_TRUE(a.moved);
    EXPECT_EQ(20, bar.Pos());
    bar.Timer(ScrollbarModel::kTimerDrag, ScrollbarPoint{7, 25});
    EXPECT_EQ(30, bar.Pos());
    // The same point again: no movement since the last step.
    bar.Timer(ScrollbarModel::kTimerDrag, ScrollbarPoint{7, 25});
    EXPECT_EQ(30, bar.Pos());
    bar.Move(ScrollbarPoint{7, 500});
    EXPECT_EQ(100, bar.Pos());
    // Clamped at the end, the way back starts from the clamped position.
    bar.Move(ScrollbarPoint{7, 495});
    EXPECT_EQ(90, bar.Pos());

    bar.Release();
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(0u, bar.PartState(ScrollbarPart::Thumb) & ScrollbarModel::kPartPushed);
    bar.Move(ScrollbarPoint{7, 10});
    EXPECT_EQ(90, bar.Pos());
    bar.Timer(ScrollbarModel::kTimerDrag, ScrollbarPoint{7, 80});
    EXPECT_EQ(90, bar.Pos());
}

TEST(ScrollbarDrag, HorizontalThumbCountsTheArrows)
{
    ScrollbarModel bar = Bar(true, R(0, 0, 300, 15), 200);
    bar.Press(ScrollbarPoint{20, 7});
    ASSERT_TRUE(bar.Dragging());
    bar.Move(ScrollbarPoint{74, 3});
    EXPECT_EQ(100, bar.Pos());
}

TEST(ScrollbarDrag, NothingMovesWhenTheThumbFillsTheTrack)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 30), 100);
    ASSERT_EQ(30, bar.Parts().thumbLength);
    bar.SetPos(50);
    ScrollbarAction a = bar.Press(ScrollbarPoint{7, bar.Parts().thumb.top});
    ASSERT_EQ(ScrollbarPart::Thumb, a.part);
    bar.Move(ScrollbarPoint{7, 29});
    EXPECT_EQ(50, bar.Pos());
}

TEST(ScrollbarHover, FollowsThePointAndLeaveClearsIt)
{
    ScrollbarModel bar = Bar(true, R(0, 0, 300, 15), 200);
    ScrollbarAction a = bar.Move(ScrollbarPoint{20, 7});
    EXPECT_TRUE(a.redraw);
    EXPECT_FALSE(a.moved);
    EXPECT_EQ(ScrollbarModel::kPartHover, bar.PartState(ScrollbarPart::Thumb));
    EXPECT_TRUE(bar.PointOnPart());
    EXPECT_FALSE(bar.Move(ScrollbarPoint{21, 7}).redraw);

    bar.Move(ScrollbarPoint{2, 2});
    EXPECT_EQ(0u, bar.PartState(ScrollbarPart::Thumb));
    EXPECT_EQ(ScrollbarModel::kPartHover, bar.PartState(ScrollbarPart::First));

    bar.Press(ScrollbarPoint{2, 2});
    EXPECT_EQ(ScrollbarModel::kPartHover | ScrollbarModel::kPartPushed, bar.PartState(ScrollbarPart::First));

    bar.Move(ScrollbarPoint{250, 7});
    EXPECT_FALSE(bar.PointOnPart());
    EXPECT_EQ(ScrollbarModel::kPartPushed, bar.PartState(ScrollbarPart::First));

    bar.Move(ScrollbarPoint{295, 7});
    EXPECT_TRUE(bar.Leave().redraw);
    EXPECT_EQ(0u, bar.PartState(ScrollbarPart::Second));
    EXPECT_FALSE(bar.Leave().redraw);
}

TEST(ScrollbarWheel, NotchesGoByTheWheelStepOnlyWithARange)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 300), 0);
    bar.SetWheelStep(80);
    int32_t from = -1, to = -1;
    EXPECT_FALSE(bar.WheelTarget(-120, &from, &to));
    bar.SetScrollRange(1000);
    bar.SetPos(100);
    ASSERT_TRUE(bar.WheelTarget(-120, &from, &to));
    EXPECT_EQ(100, from);
    EXPECT_EQ(180, to);
    ASSERT_TRUE(bar.WheelTarget(120, &from, &to));
    EXPECT_EQ(20, to);
    ASSERT_TRUE(bar.WheelTarget(-1, &from, &to));
    EXPECT_EQ(180, to);
}

}  // namespace
