// Install outcomes, the countdown, the wait image's frames, the stored
// location and the Windows version names. (The end-to-end tests read every
// outcome's words in the real window.)
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Countdown.h"
#include "app/InstallOutcome.h"
#include "app/OsNameTable.h"
#include "app/SettingsRules.h"
#include "app/WaitFrames.h"

TEST(InstallOutcome, WhatFinishesEndsTheBatchOrStaysAndTheWordsOfUnknownResults)
{
    const struct {
        std::int32_t result;
        bool finishes, endsBatch, rowFinal;
    } cases[] = {{0, true, false, true},   {2, true, false, true},  {4, true, false, true},   {6, true, false, true},
                 {-1, false, false, true}, {12, false, false, true}, {1, false, true, false}, {3, false, true, false},
                 {7, false, true, false},  {11, false, true, false}, {5, false, false, true}, {9, true, false, true}};
    for (const auto& c : cases) {
        const InstallOutcome& o = OutcomeFor(c.result);
        EXPECT_EQ(o.detailFinishes, c.finishes) << c.result;
        EXPECT_EQ(o.detailEnablesInstall, c.result != 0) << c.result;
        EXPECT_EQ(o.endsBatch, c.endsBatch) << c.result;
        EXPECT_EQ(o.row.final, c.rowFinal) << c.result;
        // A batch-ending result shows its words in the list too, on the row only as its tip.
        EXPECT_STREQ(ListModeResultText(c.result), c.endsBatch ? o.detailText : L"") << c.result;
        if (c.endsBatch) {
            EXPECT_TRUE(o.row.showStatus && !o.row.showError && o.row.statusText[0] == L'\0');
        }
    }
    EXPECT_TRUE(OutcomeFor(0).success);
    for (std::int32_t r : {10, 13, -2, INT32_MIN, INT32_MAX}) {
        const InstallOutcome& o = OutcomeFor(r);
        EXPECT_STREQ(o.detailText, L"安装时出现未知错误!") << r;   // ASCII
        EXPECT_STREQ(o.row.statusTip, L"安装时出现未知错误！") << r;  // full-width
        EXPECT_STREQ(o.row.statusText, L"安装时出现...") << r;
    }
}

TEST(Countdown, CountsFiveToZeroThenClosesAndAnAddedPackageCancelsTheNextOnce)
{
    Countdown c;
    std::vector<std::wstring> shown;
    Countdown::Step s;
    while ((s = c.Tick()) == Countdown::Step::Show && shown.size() < 20)
        shown.push_back(c.Text());
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown.front(), L"安装成功，5秒后自动关闭窗口!");
    EXPECT_EQ(shown.back(), L"安装成功，0秒后自动关闭窗口!");
    EXPECT_EQ(c.Tick(), Countdown::Step::Close) << "closing is final";
    Countdown midway;
    midway.Tick();
    midway.NotePackageAdded();
    EXPECT_EQ(midway.Tick(), Countdown::Step::Cancelled);
    EXPECT_FALSE(midway.PackageAdded());
    EXPECT_EQ(midway.Tick(), Countdown::Step::Show) << "the next success counts down from five";
    EXPECT_EQ(midway.Text(), L"安装成功，5秒后自动关闭窗口!");
}

TEST(WaitFrames, FortyTicksTurnOnceAndOutOfRangeCountersRestartAtZero)
{
    WaitFrames f;
    f.Reset(8);
    std::vector<std::uint32_t> subs;
    for (int i = 0; i < 40; ++i) {
        std::uint32_t sub = 99;
        if (f.Advance(&sub))
            subs.push_back(sub);
    }
    EXPECT_EQ(subs, (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7, 0}));
    std::uint32_t sub = 99;
    for (int32_t counter : {-7, INT32_MAX}) {
        f.SetCounter(counter);
        EXPECT_TRUE(f.Advance(&sub));
        EXPECT_EQ(sub, 0u) << counter;
    }
    f.Reset(0);  // no frames at all: never a division by zero
    EXPECT_TRUE(f.Advance(&sub));
    EXPECT_EQ(sub, 0u);
}

TEST(SettingsRules, OnlyExactlyTwoIsTheSdCardAndSelectionsMapToStoredValues)
{
    EXPECT_EQ(LocationItemForStored(L"2"), 1);
    for (const wchar_t* v : {L"", L"1", L"02", L"2 ", L"SD"})
        EXPECT_EQ(LocationItemForStored(v), 0) << v;
    EXPECT_EQ(LocationForItem(0, L""), L"1");
    EXPECT_EQ(LocationForItem(1, L"1"), L"2");
    EXPECT_EQ(LocationForItem(-1, L"2"), L"2");  // CB_ERR: no selection
    EXPECT_EQ(LocationForItem(2, L"1"), L"1");
}

TEST(MainProduct, RunAsAdministratorExceptOnXp)
{
    // The verb as the link computes it, from the version facts; XP, 64-bit
    // XP included, has no elevation to ask for.
    const struct {
        unsigned major, minor, type, arch;
        bool runas;
    } cases[] = {{5, 1, 1, 0, false}, {5, 2, 1, 9, false}, {5, 2, 3, 9, true}, {6, 1, 1, 9, true}};
    for (const auto& c : cases) {
        OsVersionFacts v;
        v.major = c.major, v.minor = c.minor, v.platformId = 2, v.productType = c.type, v.architecture = c.arch;
        const wchar_t* verb = MainProductVerb(OsNameFor(v));
        EXPECT_EQ(verb != nullptr && std::wstring(verb) == L"runas", c.runas) << c.major << "." << c.minor;
        EXPECT_TRUE(verb == nullptr || std::wstring(verb) == L"runas");
    }
}
