// Range handling and proportions of the progress kinds.
#include <gtest/gtest.h>

#include <climits>

#include "toolkit/controls/ProgressMath.h"

namespace {
ProgressRange Range(int32_t min, int32_t max, int32_t value)
{
    ProgressRange r;
    r.min = min;
    r.max = max;
    r.value = value;
    return r;
}
}  // namespace

TEST(ProgressMath, ValueAboveTheRangeFillsEverything)
{
    EXPECT_EQ(200, ProgressFilled(Range(0, 100, 150), 200));
    EXPECT_EQ(100, ProgressPercent(Range(0, 100, 150)));
}

TEST(ProgressMath, EqualBoundsFillNothing)
{
    ProgressRange out;
    EXPECT_FALSE(NormaliseProgress(Range(5, 5, 5), &out));
    EXPECT_EQ(0, ProgressFilled(Range(5, 5, 9), 200));
    EXPECT_EQ(0, ProgressPercent(Range(0, 0, 0)));
}

TEST(ProgressMath, ReversedRangeIsSwappedAndValueClamped)
{
    ProgressRange out;
    ASSERT_TRUE(NormaliseProgress(Range(100, 0, -20), &out));
    EXPECT_EQ(0, out.min);
    EXPECT_EQ(100, out.max);
    EXPECT_EQ(0, out.value);
    EXPECT_EQ(50, ProgressFilled(Range(100, 0, 25), 200));
}

TEST(ProgressMath, ProportionIsRoundedDownAgainstTheMinimum)
{
    EXPECT_EQ(33, ProgressPercent(Range(0, 3, 1)));
    EXPECT_EQ(66, ProgressPercent(Range(0, 3, 2)));
    EXPECT_EQ(50, ProgressFilled(Range(-100, 100, 0), 100));
    EXPECT_EQ(25, ProgressPercent(Range(10, 50, 20)));
}

TEST(ProgressMath, WholeIntegerRangeDoesNotOverflow)
{
    EXPECT_EQ(50, ProgressPercent(Range(INT32_MIN, INT32_MAX, 0)));
    EXPECT_EQ(1000, ProgressFilled(Range(INT32_MIN, INT32_MAX, INT32_MAX), 1000));
    EXPECT_EQ(0, ProgressFilled(Range(0, 10, 5), -30));
}

TEST(ProgressMath, PercentTextCarriesThePercentSign)
{
    EXPECT_EQ(L"0%", ProgressPercentText(0));
    EXPECT_EQ(L"42%", ProgressPercentText(42));
    EXPECT_EQ(L"100%", ProgressPercentText(100));
}
