// Range handling and proportions of the progress kinds.
#include <gtest/gtest.h>

#include <climits>

#include "toolkit/controls/ProgressMath.h"

TEST(ProgressMath, FilledWidthAndPercent)
{
    const struct {
        int32_t min, max, value, width, filled, percent;
    } cases[] = {
        {0, 100, 150, 200, 200, 100},                     // above the range: full
        {5, 5, 9, 200, 0, 0},                             // equal bounds: nothing
        {100, 0, 25, 200, 50, 25},                        // reversed range is swapped
        {0, 3, 2, 300, 200, 66},                          // rounded down
        {-100, 100, 0, 100, 50, 50},                      // against the minimum
        {INT32_MIN, INT32_MAX, INT32_MAX, 1000, 1000, 100},  // no overflow
        {0, 10, 5, -30, 0, 50},
    };
    for (const auto& c : cases) {
        ProgressRange r;
        r.min = c.min, r.max = c.max, r.value = c.value;
        EXPECT_EQ(c.filled, ProgressFilled(r, c.width)) << c.min << ".." << c.max << " " << c.value;
        EXPECT_EQ(c.percent, ProgressPercent(r)) << c.min << ".." << c.max << " " << c.value;
    }
    ProgressRange reversed, out;
    reversed.min = 100, reversed.max = 0, reversed.value = -20;
    ASSERT_TRUE(NormaliseProgress(reversed, &out));
    EXPECT_EQ(0, out.min);
    EXPECT_EQ(100, out.max);
    EXPECT_EQ(0, out.value);
    EXPECT_EQ(L"42%", ProgressPercentText(42));
}
