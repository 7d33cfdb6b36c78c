// The eased motion of a wheel notch: speed 4 x distance / duration, slowing
// down evenly to stop exactly on the target.
#include <climits>
#include <cstdint>

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "toolkit/scroll/EaseMotion.h"

namespace {

using scroll_test::FakeClock;

int32_t ValueAt(EaseMotion& motion, FakeClock& clock, uint32_t tick, bool* running = nullptr)
{
    clock.Set(tick);
    int32_t out = INT32_MIN;
    bool more = motion.Step(&out);
    if (running)
        *running = more;
    return out;
}

TEST(EaseMotion, ANotchEasesToItsTargetAndStops)
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
        EaseMotion motion;
        motion.SetValue(c.from);
        motion.Animate(c.to, 300, 4.0);
        EXPECT_EQ(c.speed, motion.Speed());
        EXPECT_NEAR(c.acceleration, motion.Acceleration(), 0.01);
        EXPECT_EQ(c.start, motion.StartTick());
        bool running = false;
        EXPECT_EQ(c.from, ValueAt(motion, clock, c.start, &running));
        EXPECT_TRUE(running);
        EXPECT_EQ(c.midway, ValueAt(motion, clock, c.start + 150, &running));
        EXPECT_TRUE(running);
        EXPECT_EQ(c.to, ValueAt(motion, clock, c.start + 300, &running));
        EXPECT_FALSE(running);
        int32_t out = -1;  // over: further steps answer false and leave out alone
        EXPECT_FALSE(motion.Step(&out));
        EXPECT_EQ(-1, out);
    }
}

}  // namespace
