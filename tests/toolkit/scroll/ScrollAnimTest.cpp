// The wheel's animation: on the main trigger, each eased value to the bar.
#include <vector>

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "toolkit/scroll/AnimTrigger.h"
#include "toolkit/scroll/ScrollAnim.h"

namespace {

using scroll_test::FakeClock;

class Trigger : public AnimTrigger {
public:
    void RunningChanged(bool running) override { calls.push_back(running); }
    std::vector<bool> calls;
};

class Bar : public IScrollAnimTarget {
public:
    void OnScrollAnimValue(int32_t value) override { values.push_back(value); }
    std::vector<int32_t> values;
};

TEST(ScrollAnim, RunsOnTheMainTriggerRestartsFromTheGivenPositionAndLeavesWhenDestroyed)
{
    FakeClock clock(2000);
    Trigger trigger;
    Bar bar;
    {
        ScrollAnim anim(&bar);  // made before the main trigger: joins it on start
        EXPECT_EQ(nullptr, anim.Trigger());
        SetMainAnimTrigger(&trigger);
        anim.Start(0, 80);
        EXPECT_TRUE(trigger.Contains(&anim));
        EXPECT_EQ(300, anim.Motion().Duration());
        EXPECT_EQ(320, anim.Motion().Speed());
        clock.Advance(150);
        EXPECT_TRUE(trigger.StepAll());
        anim.Start(44, 124);
        EXPECT_EQ(1u, trigger.Count());
        clock.Advance(150);
        trigger.StepAll();
        clock.Advance(150);
        EXPECT_FALSE(trigger.StepAll());
        EXPECT_EQ(std::vector<int32_t>({44, 88, 124}), bar.values);
        EXPECT_FALSE(anim.IsActive());
        anim.Start(124, 0);  // destroyed while running
    }
    EXPECT_EQ(0u, trigger.Count());
    EXPECT_EQ(std::vector<bool>({true, true, false}), trigger.calls);
    SetMainAnimTrigger(nullptr);
}

}  // namespace
