#include <climits>
#include <cstdint>

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "toolkit/scroll/EaseMotion.h"

namespace {

using scroll_test::FakeClock;

int32_t ValueAt(EaseMotion& motion, FakeClock& clock, uint32_t start, uint32_t elapsed, bool* running = nullptr)
{
    clock.Set(start + elapsed);
    int32_t out = INT32_MIN;
    bool more = motion.Step(&out);
    if (running)
        *running = more;
    return out;
}

TEST(EaseMotion, OneWheelNotchOfEighty)
{
    FakeClock clock(10000);
    EaseMotion motion;
    motion.SetValue(0);
    motion.Animate(80, 300, 4.0);
    EXPECT_EQ(320, motion.Speed());
    EXPECT_NEAR(-355.56, motion.Acceleration(), 0.01);
    EXPECT_EQ(300, motion.Duration());
    EXPECT_EQ(0, motion.Delay());
    EXPECT_EQ(10000u, motion.StartTick());

    bool running = false;
    EXPECT_EQ(0, ValueAt(motion, clock, 10000, 0, &running));
    EXPECT_TRUE(running);
    EXPECT_EQ(44, ValueAt(motion, clock, 10000, 150, &running));
    EXPECT_TRUE(running);
    EXPECT_EQ(44, motion.Current());
    EXPECT_EQ(80, ValueAt(motion, clock, 10000, 300, &running));
    EXPECT_FALSE(running);
    EXPECT_EQ(0, motion.Duration());
    EXPECT_EQ(80, motion.Start());
    EXPECT_EQ(80, motion.Current());
}

TEST(EaseMotion, StartsFastAndSlowsDownWithoutOvershooting)
{
    FakeClock clock(0);
    EaseMotion motion;
    motion.SetValue(0);
    motion.Animate(80, 300, 4.0);
    int32_t previous = 0, firstHalf = 0;
    for (uint32_t t = 1; t < 300; ++t) {
        int32_t v = ValueAt(motion, clock, 0, t);
        ASSERT_GE(v, previous) << t;
        ASSERT_LE(v, 80) << t;
        if (t == 150)
            firstHalf = v;
        previous = v;
    }
    EXPECT_GT(firstHalf, 80 - firstHalf);
}

TEST(EaseMotion, TowardsTheStartMirrorsTheWayDown)
{
    FakeClock clock(500);
    EaseMotion motion;
    motion.SetValue(80);
    motion.Animate(0, 300, 4.0);
    EXPECT_EQ(-320, motion.Speed());
    EXPECT_NEAR(355.56, motion.Acceleration(), 0.01);
    EXPECT_EQ(36, ValueAt(motion, clock, 500, 150));
    EXPECT_EQ(0, ValueAt(motion, clock, 500, 301));
}

TEST(EaseMotion, AfterTheDurationExactlyTheTargetAndThenStopped)
{
    FakeClock clock(0);
    EaseMotion motion;
    motion.SetValue(7);
    motion.Animate(1003, 300, 4.0);
    bool running = true;
    EXPECT_EQ(1003, ValueAt(motion, clock, 0, 5000, &running));
    EXPECT_FALSE(running);
    // Over: further steps answer false and leave out alone.
    int32_t out = -1;
    EXPECT_FALSE(motion.Step(&out));
    EXPECT_EQ(-1, out);
}

TEST(EaseMotion, NeverAnimatedOrZeroDurationDoesNothing)
{
    FakeClock clock(0);
    EaseMotion motion;
    int32_t out = 99;
    EXPECT_FALSE(motion.Step(&out));
    EXPECT_EQ(99, out);

    motion.SetValue(40);
    motion.Animate(400, 0, 4.0);
    EXPECT_EQ(0, motion.Duration());
    EXPECT_EQ(0, motion.Target());
    EXPECT_EQ(0, motion.Speed());
    EXPECT_FALSE(motion.Step(&out));
    EXPECT_EQ(40, motion.Current());
}

TEST(EaseMotion, ANewTargetMidwayStartsFromTheCurrentValue)
{
    FakeClock clock(0);
    EaseMotion motion;
    motion.SetValue(0);
    motion.Animate(80, 300, 4.0);
    EXPECT_EQ(44, ValueAt(motion, clock, 0, 150));
    motion.Animate(124, 300, 4.0);
    EXPECT_EQ(44, motion.Start());
    EXPECT_EQ(150u, motion.StartTick());
    EXPECT_EQ(320, motion.Speed());
    EXPECT_EQ(88, ValueAt(motion, clock, 150, 150));
    EXPECT_EQ(124, ValueAt(motion, clock, 150, 300));
}

TEST(EaseMotion, TheTickCounterWrapping)
{
    FakeClock clock(0xFFFFFFFFu - 49);
    EaseMotion motion;
    motion.SetValue(0);
    motion.Animate(80, 300, 4.0);
    EXPECT_EQ(44, ValueAt(motion, clock, 0xFFFFFFFFu - 49, 150));
    EXPECT_EQ(80, ValueAt(motion, clock, 0xFFFFFFFFu - 49, 300));
}

TEST(EaseMotion, ExtremeValuesStayDefined)
{
    FakeClock clock(0);
    EaseMotion wide;
    wide.SetValue(INT32_MIN);
    wide.Animate(INT32_MAX, 300, 4.0);
    for (uint32_t t = 0; t <= 300; t += 30)
        ValueAt(wide, clock, 0, t);
    EXPECT_EQ(INT32_MAX, wide.Current());

    // 65536 squared wraps to 0 in 32 bits: the acceleration is not finite.
    EaseMotion wrapped;
    clock.Set(0);
    wrapped.SetValue(0);
    wrapped.Animate(100, 65536, 4.0);
    ValueAt(wrapped, clock, 0, 1000);
    EXPECT_EQ(100, ValueAt(wrapped, clock, 0, 65536));

    EaseMotion negative;
    clock.Set(0);
    negative.SetValue(0);
    negative.Animate(100, -5, 4.0);
    int32_t out = 3;
    EXPECT_FALSE(negative.Step(&out));
    EXPECT_EQ(3, out);
}

}  // namespace
