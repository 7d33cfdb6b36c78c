// The wheel's eased scroll: speed 4 x distance / 300 ms, slowing down
// evenly to stop exactly on the target after 300 ms.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/scroll/AnimClock.h"
#include "toolkit/scroll/ScrollAnim.h"

namespace {

uint32_t g_now = 0;

// The animation's tick source, moved by hand for one test's life.
class FakeClock {
public:
    explicit FakeClock(uint32_t start)
    {
        g_now = start;
        SetAnimTickSource([] { return g_now; });
    }
    ~FakeClock() { SetAnimTickSource(nullptr); }
    void Set(uint32_t now) { g_now = now; }
};

class Bar : public IScrollAnimTarget {
public:
    void OnScrollAnimValue(int32_t value) override { values.push_back(value); }
    std::vector<int32_t> values;
};

}  // namespace

TEST(ScrollAnim, ANotchEasesToItsTargetInThreeHundredMillisecondsAndStops)
{
    const struct {
        int32_t from, to;
        uint32_t start;
        int32_t speed;
        double acceleration;
        int32_t midway;
    } cases[] = {
        {0, 80, 10000, 320, -355.56, 44},
        {80, 0, 500, -320, 355.56, 36},           // towards the start mirrors the way down
        {0, 80, 0xFFFFFFFFu - 49, 320, -355.56, 44},  // across the tick counter's wrap
    };
    for (const auto& c : cases) {
        FakeClock clock(c.start);
        Bar bar;
        ScrollAnim anim(&bar);
        anim.Start(c.from, c.to);
        EXPECT_EQ(c.speed, anim.Motion().Speed());
        EXPECT_NEAR(c.acceleration, anim.Motion().Acceleration(), 0.01);
        EXPECT_EQ(c.start, anim.Motion().StartTick());
        EXPECT_TRUE(anim.Step());
        clock.Set(c.start + 150);
        EXPECT_TRUE(anim.Step());
        clock.Set(c.start + 299);
        EXPECT_TRUE(anim.Step()) << "still running a millisecond before the end";
        clock.Set(c.start + 300);
        EXPECT_FALSE(anim.Step());
        ASSERT_EQ(4u, bar.values.size());
        EXPECT_EQ(c.from, bar.values[0]);
        EXPECT_EQ(c.midway, bar.values[1]);
        EXPECT_EQ(c.to, bar.values[3]);
    }
}

