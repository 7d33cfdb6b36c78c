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

TEST(AnimTrigger, ARunningElementMovedToAnotherTriggerLeavesTheOldOne)
{
    RecordingTrigger first, second;
    auto a = std::make_unique<CountingAnim>('a', 5, nullptr);
    a->SetTrigger(&first);
    a->Start();
    a->SetTrigger(&second);
    EXPECT_FALSE(first.Contains(a.get()));
    EXPECT_EQ(std::vector<bool>({true, false}), first.calls);
    // Destroyed later: the old trigger steps nothing of it (ASan would see a
    // read of freed memory here).
    a.reset();
    EXPECT_FALSE(first.StepAll());
}

TEST(AnimTrigger, RunningChangedOnlyWhenTheListFillsAndWhenRemoveEmptiesIt)
{
    RecordingTrigger trigger;
    auto a = std::make_unique<CountingAnim>('a', 1, nullptr);
    auto b = std::make_unique<CountingAnim>('b', 1, nullptr);
    a->SetTrigger(&trigger);
    b->SetTrigger(&trigger);
    a->Start();
    b->Start();
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
    EXPECT_EQ(2u, trigger.Count());

    // Both finish in one tick: erased without a call, the owner's timer runs on.
    EXPECT_FALSE(trigger.StepAll());
    EXPECT_EQ(0u, trigger.Count());
    EXPECT_FALSE(a->IsActive());
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);

    // No longer listed: destroying it calls nothing.
    a.reset();
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);

    // The list is empty again, so the next start announces running again.
    b->Start();
    EXPECT_EQ(std::vector<bool>({true, true}), trigger.calls);
    trigger.Remove(b.get());
    EXPECT_EQ(std::vector<bool>({true, true, false}), trigger.calls);
    trigger.Remove(b.get());
    EXPECT_EQ(3u, trigger.calls.size());
}

TEST(AnimTrigger, DestroyingAListedElementRemovesIt)
{
    RecordingTrigger trigger;
    auto a = std::make_unique<CountingAnim>('a', 5, nullptr);
    CountingAnim b('b', 5, nullptr);
    a->SetTrigger(&trigger);
    b.SetTrigger(&trigger);
    a->Start();
    b.Start();
    a.reset();
    EXPECT_EQ(1u, trigger.Count());
    EXPECT_TRUE(trigger.Contains(&b));
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
    trigger.Remove(&b);
    EXPECT_EQ(std::vector<bool>({true, false}), trigger.calls);
}

TEST(AnimTrigger, StepAllWalksInOrderAndErasesFinishedOnesOnTheWay)
{
    RecordingTrigger trigger;
    std::vector<char> log;
    CountingAnim a('a', 3, &log), b('b', 1, &log), c('c', 3, &log);
    for (CountingAnim* e : {&a, &b, &c}) {
        e->SetTrigger(&trigger);
        e->Start();
    }
    EXPECT_TRUE(trigger.StepAll());
    EXPECT_EQ(std::vector<char>({'a', 'b', 'c'}), log);
    EXPECT_EQ(2u, trigger.Count());
    EXPECT_FALSE(trigger.Contains(&b));
    EXPECT_FALSE(b.IsActive());
    EXPECT_TRUE(c.IsActive());

    log.clear();
    trigger.StepAll();
    EXPECT_EQ(std::vector<char>({'a', 'c'}), log);
    trigger.StepAll();
    EXPECT_EQ(0u, trigger.Count());
}

TEST(AnimTrigger, AStoppedElementLeavesAtTheNextTickWithoutStepping)
{
    RecordingTrigger trigger;
    std::vector<char> log;
    CountingAnim a('a', 100, &log), b('b', 100, &log);
    a.SetTrigger(&trigger);
    b.SetTrigger(&trigger);
    a.Start();
    b.Start();
    // a stops b during the tick; the walk reads b's flag when it gets there,
    // so b leaves without being stepped.
    a.onStep = [&b] { b.Stop(); };
    trigger.StepAll();
    EXPECT_EQ(std::vector<char>({'a'}), log);
    EXPECT_FALSE(trigger.Contains(&b));

    // Stopped between ticks: gone at the next one although its Step would go on.
    a.onStep = nullptr;
    a.Stop();
    EXPECT_TRUE(trigger.Contains(&a));
    log.clear();
    trigger.StepAll();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(0u, trigger.Count());
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
}

TEST(AnimTrigger, RestartingKeepsOnePlaceAndRestartsTheClock)
{
    FakeClock clock(5000);
    RecordingTrigger trigger;
    std::vector<char> log;
    CountingAnim a('a', 100, &log), b('b', 100, &log);
    a.SetTrigger(&trigger);
    b.SetTrigger(&trigger);
    a.Start();
    b.Start();
    EXPECT_EQ(5000u, a.StartTime());
    clock.Advance(120);
    a.Start();
    EXPECT_EQ(5120u, a.StartTime());
    EXPECT_EQ(2u, trigger.Count());
    trigger.StepAll();
    EXPECT_EQ(std::vector<char>({'a', 'b'}), log);
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
}

TEST(AnimTrigger, AnElementWithoutTriggerStartsAndStopsAlone)
{
    FakeClock clock(77);
    CountingAnim a('a', 1, nullptr);
    a.Start();
    EXPECT_TRUE(a.IsActive());
    EXPECT_EQ(77u, a.StartTime());
    a.Stop();
    EXPECT_FALSE(a.IsActive());
}

TEST(AnimTrigger, MovingToAnotherTriggerAndOutlivingOne)
{
    auto first = std::make_unique<RecordingTrigger>();
    RecordingTrigger second;
    CountingAnim a('a', 10, nullptr), b('b', 10, nullptr);
    a.SetTrigger(first.get());
    b.SetTrigger(first.get());
    a.Start();
    b.SetTrigger(&second);
    b.Start();
    EXPECT_EQ(1u, first->Count());
    EXPECT_EQ(1u, second.Count());
    // The trigger goes first: its elements keep no pointer to it.
    first.reset();
    EXPECT_EQ(nullptr, a.Trigger());
    EXPECT_EQ(&second, b.Trigger());
    a.Start();
    EXPECT_TRUE(a.IsActive());
}

TEST(RSAnimElement, TakesTheMainTriggerWhenMade)
{
    class Anim : public RSAnimElement {
    public:
        bool Step() override { return false; }
    };
    {
        Anim before;
        EXPECT_EQ(nullptr, before.Trigger());
    }
    auto main = std::make_unique<RecordingTrigger>();
    SetMainAnimTrigger(main.get());
    Anim a;
    EXPECT_EQ(main.get(), a.Trigger());
    a.Start();
    EXPECT_TRUE(main->Contains(&a));
    // The main window going away clears the slot and the element's link.
    main.reset();
    EXPECT_EQ(nullptr, MainAnimTrigger());
    EXPECT_EQ(nullptr, a.Trigger());
    Anim after;
    EXPECT_EQ(nullptr, after.Trigger());
}

}  // namespace
