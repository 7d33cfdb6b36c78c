#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "FakeClock.h"
#include "toolkit/scroll/AnimElement.h"
#include "toolkit/scroll/AnimTrigger.h"
#include "toolkit/scroll/RSAnimElement.h"

namespace {

using scroll_test::FakeClock;

class RecordingTrigger : public AnimTrigger {
public:
    void RunningChanged(bool running) override { calls.push_back(running); }
    std::vector<bool> calls;
};

// Goes on for a number of steps, then finishes; logs its steps by name.
class CountingAnim : public AnimElement {
public:
    CountingAnim(char name, int steps, std::vector<char>* log) : name_(name), left_(steps), log_(log) {}
    bool Step() override
    {
        if (log_)
            log_->push_back(name_);
        if (onStep)
            onStep();
        return --left_ > 0;
    }
    void SetSteps(int steps) { left_ = steps; }
    std::function<void()> onStep;

private:
    char name_;
    int left_;
    std::vector<char>* log_;
};

TEST(AnimTrigger, RunningChangedOnlyWhenTheListFillsAndEmptiesByRemoveOrDestruction)
{
    RecordingTrigger trigger;
    auto a = std::make_unique<CountingAnim>('a', 1, nullptr);
    CountingAnim b('b', 1, nullptr);
    a->SetTrigger(&trigger);
    b.SetTrigger(&trigger);
    a->Start();
    b.Start();
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
    // Both finish in one tick: erased without a call, the owner's timer runs on.
    EXPECT_FALSE(trigger.StepAll());
    EXPECT_EQ(0u, trigger.Count());
    EXPECT_FALSE(a->IsActive());
    a->Start();
    b.Start();
    EXPECT_EQ(std::vector<bool>({true, true}), trigger.calls);
    a.reset();  // destroying a listed element removes it
    EXPECT_TRUE(trigger.Contains(&b));
    trigger.Remove(&b);
    trigger.Remove(&b);
    EXPECT_EQ(std::vector<bool>({true, true, false}), trigger.calls);
}

TEST(AnimTrigger, StepAllWalksInOrderErasingFinishedAndStoppedOnesWithoutSteppingThem)
{
    FakeClock clock(5000);
    RecordingTrigger trigger;
    std::vector<char> log;
    CountingAnim a('a', 100, &log), b('b', 1, &log), c('c', 100, &log);
    for (CountingAnim* e : {&a, &b, &c}) {
        e->SetTrigger(&trigger);
        e->Start();
    }
    clock.Advance(120);
    a.Start();  // restarting keeps one place and restarts the clock
    EXPECT_EQ(5120u, a.StartTime());
    EXPECT_EQ(3u, trigger.Count());
    EXPECT_TRUE(trigger.StepAll());
    EXPECT_EQ(std::vector<char>({'a', 'b', 'c'}), log);
    EXPECT_FALSE(trigger.Contains(&b));
    EXPECT_FALSE(b.IsActive());
    // a stops c during the tick: the walk reads c's flag when it gets there.
    a.onStep = [&c] { c.Stop(); };
    log.clear();
    trigger.StepAll();
    EXPECT_EQ(std::vector<char>({'a'}), log);
    EXPECT_FALSE(trigger.Contains(&c));
    // Stopped between ticks: gone at the next one although its Step would go on.
    a.onStep = nullptr;
    a.Stop();
    log.clear();
    trigger.StepAll();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(0u, trigger.Count());
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
}

}  // namespace
