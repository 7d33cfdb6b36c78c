// The scroll bar's window-free model: part geometry, arrows stepping 16,
// paging, dragging the thumb, hover and the wheel step.
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "toolkit/scroll/ScrollbarModel.h"

namespace {

ElementRect R(int32_t l, int32_t t, int32_t r, int32_t b)
{
    ElementRect rect;
    rect.left = l, rect.top = t, rect.right = r, rect.bottom = b;
    return rect;
}

std::vector<int32_t> V(const ElementRect& r) { return {r.left, r.top, r.right, r.bottom}; }

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

TEST(ScrollbarGeometry, ThumbsAndArrowsOfTheBar)
{
    const struct {
        bool horizontal;
        ElementRect bar;
        int32_t pos, max, length;
        std::vector<int32_t> thumb, first, second;
        const char* what;
    } cases[] = {
        {false, R(300, 20, 315, 120), 0, 100, 50, {300, 23, 315, 67}, {300, 20, 315, 20}, {300, 120, 315, 120}, "50 of 100"},
        {false, R(300, 20, 315, 120), 100, 100, 50, {300, 73, 315, 117}, {}, {}, "at the end"},
        {false, R(0, 0, 15, 100), 0, 10000, 30, {0, 3, 15, 27}, {}, {}, "minimum length"},
        {false, R(0, 0, 15, 100), 10000, 10000, 30, {0, 73, 15, 97}, {}, {}, "minimum length at the end"},
        {false, R(0, 10, 15, 110), 0, 0, 0, {0, 10, 15, 110}, {}, {}, "no range fills the bar"},
        {false, R(0, 100, 15, 120), 0, 100, 30, {0, 90, 15, 120}, {}, {}, "put back against the bottom"},
        {false, R(5, 40, 20, 55), 3, 100, 0, {0, 0, 0, 0}, {5, 40, 20, 47}, {5, 48, 20, 55}, "only arrows"},
    };
    for (const auto& c : cases) {
        ScrollbarParts p =
            ComputeScrollbarParts(c.horizontal, c.horizontal ? 0 : 15, c.horizontal ? 15 : 0, c.bar, c.pos, c.max);
        if (c.length) {
            EXPECT_EQ(c.length, p.thumbLength) << c.what;
        }
        EXPECT_EQ(c.thumb, V(p.thumb)) << c.what;
        if (!c.first.empty()) {
            EXPECT_EQ(c.first, V(p.first)) << c.what;
        }
        if (!c.second.empty()) {
            EXPECT_EQ(c.second, V(p.second)) << c.what;
        }
    }
}

TEST(ScrollbarRange, ReserveIsAddedAndPositionsClamp)
{
    ScrollbarModel bar;
    EXPECT_EQ(50, bar.Reserved());
    EXPECT_EQ(15, bar.VerticalThickness());
    bar.SetScrollRange(100);
    EXPECT_EQ(150, bar.Max());
    bar.SetPos(400);
    EXPECT_EQ(150, bar.Pos());
    bar.SetPos(-3);
    EXPECT_EQ(0, bar.Pos());
    bar.SetPos(120);
    bar.SetScrollRange(-20);
    EXPECT_EQ(30, bar.Pos());
    bar.SetScrollRange(-80);
    EXPECT_EQ(0, bar.Max());
    bar.SetScrollRange(INT32_MAX);
    EXPECT_EQ(INT32_MAX, bar.Max());
}

TEST(ScrollbarPress, HeldArrowsStepSixteenEveryFiftyMillisecondsUntilTheEnd)
{
    // Only a horizontal bar has arrows.
    ScrollbarModel bar = Bar(true, R(0, 0, 300, 15), 200);
    const ScrollbarPoint onRight{290, 7};
    ScrollbarAction a = bar.Press(onRight);
    EXPECT_EQ(ScrollbarPart::Second, a.part);
    EXPECT_EQ(ScrollbarModel::kTimerSecond, a.startTimer);
    EXPECT_EQ(50u, a.interval);
    EXPECT_EQ(16, bar.Pos());
    EXPECT_EQ(ScrollbarModel::kPartPushed, bar.PartState(ScrollbarPart::Second) & ScrollbarModel::kPartPushed);
    int repeats = 0;
    for (; bar.Pos() < 200 && repeats < 100; ++repeats) {
        EXPECT_EQ(ScrollbarModel::kTimerSecond, bar.Timer(ScrollbarModel::kTimerSecond, onRight).startTimer);
        EXPECT_EQ(std::min(16 * (repeats + 2), 200), bar.Pos());
    }
    EXPECT_EQ(12, repeats);
    bar.Release();
    EXPECT_EQ(0u, bar.PartState(ScrollbarPart::Second));

    bar.SetPos(20);
    a = bar.Press(ScrollbarPoint{3, 3});
    EXPECT_EQ(ScrollbarModel::kTimerFirst, a.startTimer);
    EXPECT_EQ(50u, a.interval);
    EXPECT_EQ(4, bar.Pos());
    bar.Timer(ScrollbarModel::kTimerFirst, ScrollbarPoint{3, 3});
    EXPECT_EQ(0, bar.Pos());
    // The cursor has left the bar: the repeat does nothing and asks no timer.
    a = bar.Timer(ScrollbarModel::kTimerFirst, ScrollbarPoint{3, 40});
    EXPECT_EQ(ScrollbarPart::None, a.part);
    EXPECT_EQ(0u, a.startTimer);
    a = bar.Press(ScrollbarPoint{150, 15});  // beside the bar
    EXPECT_EQ(ScrollbarPart::None, a.part);
    EXPECT_FALSE(a.moved);
}

TEST(ScrollbarPress, PagingGoesByTheTrackMinusSixteenTowardsThePress)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 300), 2000);
    bar.SetPos(1000);
    ScrollbarAction a = bar.Press(ScrollbarPoint{7, bar.Parts().thumb.bottom});  // the excluded bottom edge
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
}

TEST(ScrollbarDrag, TheThumbFollowsTheMouseScaledByTheTrack)
{
    ScrollbarModel bar = Bar(false, R(0, 0, 15, 100), 100);
    ScrollbarAction a = bar.Press(ScrollbarPoint{7, 10});
    EXPECT_EQ(ScrollbarPart::Thumb, a.part);
    EXPECT_FALSE(a.moved);
    EXPECT_EQ(ScrollbarModel::kTimerDrag, a.startTimer);
    EXPECT_EQ(10u, a.interval);
    EXPECT_TRUE(bar.Move(ScrollbarPoint{7, 20}).moved);  // divisor 100 - 50: ten pixels, twenty positions
    EXPECT_EQ(20, bar.Pos());
    bar.Timer(ScrollbarModel::kTimerDrag, ScrollbarPoint{7, 25});
    bar.Timer(ScrollbarModel::kTimerDrag, ScrollbarPoint{7, 25});  // no movement since the last step
    EXPECT_EQ(30, bar.Pos());
    bar.Move(ScrollbarPoint{7, 500});
    EXPECT_EQ(100, bar.Pos());
    bar.Move(ScrollbarPoint{7, 495});  // the way back starts from the clamped position
    EXPECT_EQ(90, bar.Pos());
    bar.Release();
    EXPECT_FALSE(bar.Dragging());
    bar.Move(ScrollbarPoint{7, 10});
    bar.Timer(ScrollbarModel::kTimerDrag, ScrollbarPoint{7, 80});
    EXPECT_EQ(90, bar.Pos());

    ScrollbarModel full = Bar(false, R(0, 0, 15, 30), 100);
    full.SetPos(50);
    ASSERT_EQ(ScrollbarPart::Thumb, full.Press(ScrollbarPoint{7, full.Parts().thumb.top}).part);
    full.Move(ScrollbarPoint{7, 29});  // the thumb fills the track
    EXPECT_EQ(50, full.Pos());
}

}  // namespace
