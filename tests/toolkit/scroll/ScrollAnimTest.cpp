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

class ScrollAnimTest : public ::testing::Test {
protected:
    void SetUp() override { SetMainAnimTrigger(&trigger); }
    void TearDown() override { SetMainAnimTrigger(nullptr); }
    FakeClock clock{2000};
    Trigger trigger;
    Bar bar;
};

TEST_F(ScrollAnimTest, RunsOnTheMainTriggerAndHandsEachValueToTheBar)
{
    ScrollAnim anim(&bar);
    anim.Start(0, 80);
    EXPECT_TRUE(trigger.Contains(&anim));
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
    EXPECT_EQ(300, anim.Motion().Duration());
    EXPECT_EQ(320, anim.Motion().Speed());

    clock.Advance(150);
    EXPECT_TRUE(trigger.StepAll());
    clock.Advance(150);
    EXPECT_FALSE(trigger.StepAll());
    EXPECT_EQ(std::vector<int32_t>({44, 80}), bar.values);
    EXPECT_FALSE(anim.IsActive());
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
}

TEST_F(ScrollAnimTest, ANewNotchRestartsFromTheGivenPosition)
{
    ScrollAnim anim(&bar);
    anim.Start(0, 80);
    clock.Advance(150);
    trigger.StepAll();
    anim.Start(44, 124);
    EXPECT_EQ(1u, trigger.Count());
    EXPECT_EQ(44, anim.Motion().Start());
    EXPECT_EQ(124, anim.Motion().Target());
    clock.Advance(150);
    trigger.StepAll();
    EXPECT_EQ(std::vector<int32_t>({44, 88}), bar.values);
}

TEST_F(ScrollAnimTest, MadeBeforeTheMainTriggerJoinsItOnStart)
{
    SetMainAnimTrigger(nullptr);
    ScrollAnim anim(&bar);
    EXPECT_EQ(nullptr, anim.Trigger());
    SetMainAnimTrigger(&trigger);
    anim.Start(0, 80);
    EXPECT_EQ(&trigger, anim.Trigger());
    EXPECT_TRUE(trigger.Contains(&anim));
}

TEST_F(ScrollAnimTest, DestroyedWhileRunningLeavesTheTrigger)
{
    {
        ScrollAnim anim(&bar);
        anim.Start(10, 0);
    }
    EXPECT_EQ(0u, trigger.Count());
    EXPECT_EQ(std::vector<bool>({true, false}), trigger.calls);
}

}  // namespace
