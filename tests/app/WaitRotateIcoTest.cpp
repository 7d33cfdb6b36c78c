// The wait image driven through a recording window double and a real
// animation scheduler.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/WaitRotateIco.h"
#include "toolkit/scroll/AnimTrigger.h"

namespace {

class RecordingDriver : public WaitImageDriver, public AnimTrigger {
public:
    void ShowWaitElement(int id, bool show) override { shown.emplace_back(id, show); }
    void SetWaitElementAttribute(int id, const char* name, const std::string& value) override
    {
        EXPECT_EQ(id, 20019);
        EXPECT_STREQ(name, "sub");
        subs.push_back(value);
    }
    AnimTrigger* WaitTrigger() override { return this; }
    void RunningChanged(bool running) override { runningCalls.push_back(running); }

    std::vector<std::pair<int, bool>> shown;
    std::vector<std::string> subs;
    std::vector<bool> runningCalls;
};

}  // namespace

TEST(WaitRotateIco, ShownOnTheWindowsTicksTurningFromAFreshStartUntilStopped)
{
    WaitRotateIco idle;  // without a driver nothing happens
    idle.StartOrStop(true);
    EXPECT_FALSE(idle.IsActive());
    RecordingDriver driver;
    WaitRotateIco icon;
    icon.SetUp(&driver, 20019, 8);
    icon.StartOrStop(true);
    EXPECT_EQ(driver.shown, (std::vector<std::pair<int, bool>>{{20019, true}}));
    EXPECT_EQ(driver.runningCalls, std::vector<bool>{true});
    for (int i = 0; i < 12; ++i)
        driver.StepAll();
    EXPECT_EQ(driver.subs, (std::vector<std::string>{"1", "2"}));
    icon.SetUp(&driver, 20019, 8);  // set up before each use: the turn starts again
    driver.subs.clear();
    for (int i = 0; i < 40; ++i)
        driver.StepAll();
    EXPECT_EQ(driver.subs, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "0"}));
    icon.StartOrStop(false);
    EXPECT_EQ(driver.shown.back(), std::make_pair(20019, false));
    driver.StepAll();  // a stopped image leaves at the next round and changes nothing
    EXPECT_FALSE(driver.Contains(&icon));
    EXPECT_EQ(driver.subs.size(), 8u);
}
