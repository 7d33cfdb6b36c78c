// Install outcomes, the countdown, the wait image's frames, the stored
// location and the Windows version names.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Countdown.h"
#include "app/InstallOutcome.h"
#include "app/OsNameTable.h"
#include "app/SettingsRules.h"
#include "app/WaitFrames.h"

TEST(InstallOutcome, DetailTextsPerResult)
{
    EXPECT_STREQ(OutcomeFor(-1).detailText, L"安装错误！");
    EXPECT_STREQ(OutcomeFor(5).detailText, L"安装错误！");
    EXPECT_STREQ(OutcomeFor(8).detailText, L"安装错误！");
    EXPECT_STREQ(OutcomeFor(0).detailText, L"安装成功，5秒后自动关闭窗口！");
    EXPECT_STREQ(OutcomeFor(1).detailText, L"没有连接设备，安装失败！");
    EXPECT_STREQ(OutcomeFor(2).detailText, L"应用已存在，覆盖安装失败！");
    EXPECT_STREQ(OutcomeFor(3).detailText, L"SD卡不存在或存储空间不够，安装失败！");
    EXPECT_STREQ(OutcomeFor(4).detailText, L"无法找到Apk文件！");
    EXPECT_STREQ(OutcomeFor(6).detailText, L"文件损坏，安装失败！");
    EXPECT_STREQ(OutcomeFor(7).detailText, L"连接多台设备时无法安装！");
    EXPECT_STREQ(OutcomeFor(11).detailText, L"存储空间不够，安装失败！");
    EXPECT_STREQ(OutcomeFor(12).detailText, L"签名冲突，请卸载同名软件后重试！");
}

TEST(InstallOutcome, UnknownResultsKeepTheirTwoExclamationMarks)
{
    for (std::int32_t r : {9, 10, 13, -2, 1000, INT32_MIN, INT32_MAX}) {
        const InstallOutcome& o = OutcomeFor(r);
        EXPECT_STREQ(o.detailText, L"安装时出现未知错误!") << r;   // ASCII
        EXPECT_STREQ(o.row.statusTip, L"安装时出现未知错误！") << r;  // full-width
        EXPECT_STREQ(o.row.statusText, L"安装时出现...") << r;
        EXPECT_TRUE(o.detailFinishes);
        EXPECT_TRUE(o.row.final);
    }
}

TEST(InstallOutcome, OnlyFinalResultsLeaveTheDetailQueue)
{
    std::vector<std::int32_t> finishing = {0, 2, 4, 6, 9, 10};
    std::vector<std::int32_t> keeping = {-1, 1, 3, 5, 7, 8, 11, 12};
    for (std::int32_t r : finishing)
        EXPECT_TRUE(OutcomeFor(r).detailFinishes) << r;
    for (std::int32_t r : keeping) {
        EXPECT_FALSE(OutcomeFor(r).detailFinishes) << r;
        EXPECT_TRUE(OutcomeFor(r).detailEnablesInstall) << r;
    }
    EXPECT_TRUE(OutcomeFor(0).success);
    EXPECT_FALSE(OutcomeFor(0).detailEnablesInstall);
}

TEST(InstallOutcome, BatchEndingResultsShowInListModeToo)
{
    for (std::int32_t r : {1, 3, 7, 11}) {
        const InstallOutcome& o = OutcomeFor(r);
        EXPECT_TRUE(o.endsBatch) << r;
        EXPECT_STREQ(ListModeResultText(r), o.detailText);
        EXPECT_FALSE(o.row.final);
        EXPECT_FALSE(o.row.showError);
        EXPECT_TRUE(o.row.showStatus);
        EXPECT_STREQ(o.row.statusText, L"");
        EXPECT_STREQ(o.row.statusTip, o.detailText);
    }
    for (std::int32_t r : {-1, 0, 2, 4, 6, 12, 9}) {
        EXPECT_FALSE(OutcomeFor(r).endsBatch) << r;
        EXPECT_STREQ(ListModeResultText(r), L"") << r;
    }
}

TEST(InstallOutcome, RowStatusesOfFinalResults)
{
    const RowOutcome& ok = OutcomeFor(0).row;
    EXPECT_FALSE(ok.showError);
    EXPECT_TRUE(ok.showStatus);
    EXPECT_STREQ(ok.statusText, L"安装完成！");
    EXPECT_STREQ(ok.statusTip, L"");
    EXPECT_STREQ(OutcomeFor(2).row.statusText, L"应用已存在...");
    EXPECT_STREQ(OutcomeFor(4).row.statusText, L"无法找到Apk文...！");
    EXPECT_STREQ(OutcomeFor(6).row.statusText, L"文件损坏，...");
    EXPECT_STREQ(OutcomeFor(12).row.statusText, L"签名冲突，请...");
    for (std::int32_t r : {-1, 2, 4, 6, 12}) {
        EXPECT_TRUE(OutcomeFor(r).row.showError) << r;
        EXPECT_FALSE(OutcomeFor(r).row.showStatus) << r;
        EXPECT_STREQ(OutcomeFor(r).row.statusTip, OutcomeFor(r).detailText) << r;
    }
}

TEST(Countdown, CountsFiveToZeroThenCloses)
{
    Countdown c;
    std::vector<std::wstring> shown;
    int ticks = 0;
    Countdown::Step s;
    while ((s = c.Tick()) == Countdown::Step::Show && ticks < 20) {
        shown.push_back(c.Text());
        ++ticks;
    }
    EXPECT_EQ(s, Countdown::Step::Close);
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown.front(), L"安装成功，5秒后自动关闭窗口!");
    EXPECT_EQ(shown.back(), L"安装成功，0秒后自动关闭窗口!");
    // Closing is final: later ticks keep asking to close.
    EXPECT_EQ(c.Tick(), Countdown::Step::Close);
}

TEST(Countdown, AnAddedPackageCancelsTheNextCountdownOnce)
{
    Countdown c;
    c.NotePackageAdded();
    EXPECT_EQ(c.Tick(), Countdown::Step::Cancelled);
    EXPECT_FALSE(c.PackageAdded());
    EXPECT_EQ(c.Remaining(), 5);
    // The next success counts down normally.
    EXPECT_EQ(c.Tick(), Countdown::Step::Show);
    EXPECT_EQ(c.Text(), L"安装成功，5秒后自动关闭窗口!");
}

TEST(Countdown, CancellingMidwayRestartsAtFive)
{
    Countdown c;
    c.Tick();
    c.Tick();
    c.NotePackageAdded();
    EXPECT_EQ(c.Tick(), Countdown::Step::Cancelled);
    EXPECT_EQ(c.Tick(), Countdown::Step::Show);
    EXPECT_EQ(c.Text(), L"安装成功，5秒后自动关闭窗口!");
}

TEST(WaitFrames, FortyTicksTurnOnceAndEndAtZero)
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
}

TEST(WaitFrames, OutOfRangeCountersRestartAtZero)
{
    WaitFrames f;
    f.Reset(8);
    std::uint32_t sub = 99;
    f.SetCounter(-7);
    EXPECT_TRUE(f.Advance(&sub));
    EXPECT_EQ(sub, 0u);
    f.SetCounter(INT32_MAX);
    EXPECT_TRUE(f.Advance(&sub));
    EXPECT_EQ(sub, 0u);
    // No frames at all: always sub-image 0, never a division by zero.
    f.Reset(0);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(f.Advance(&sub));
        EXPECT_EQ(sub, 0u);
    }
}

TEST(SettingsRules, OnlyExactlyTwoSelectsTheSdCard)
{
    EXPECT_EQ(LocationItemForStored(L"2"), 1);
    for (const wchar_t* v : {L"", L"1", L"02", L"3", L"2 ", L"SD"})
        EXPECT_EQ(LocationItemForStored(v), 0) << v;
}

TEST(SettingsRules, SelectionsMapToStoredValues)
{
    EXPECT_EQ(LocationForItem(0, L""), L"1");
    EXPECT_EQ(LocationForItem(1, L"1"), L"2");
    EXPECT_EQ(LocationForItem(-1, L"2"), L"2");  // CB_ERR: no selection
    EXPECT_EQ(LocationForItem(-1, L""), L"");
    EXPECT_EQ(LocationForItem(2, L"1"), L"1");
}

TEST(OsName, NamedVersions)
{
    auto name = [](unsigned ma, unsigned mi, unsigned plat, unsigned type, unsigned arch) {
        OsVersionFacts v;
        v.major = ma; v.minor = mi; v.platformId = plat; v.productType = type; v.architecture = arch;
        return OsNameFor(v);
    };
    EXPECT_EQ(name(4, 0, 2, 1, 0), "nt4.0");
    EXPECT_EQ(name(4, 0, 1, 1, 0), "95");
    EXPECT_EQ(name(4, 10, 1, 1, 0), "98");
    EXPECT_EQ(name(4, 90, 1, 1, 0), "me");
    EXPECT_EQ(name(5, 0, 2, 1, 0), "2000");
    EXPECT_EQ(name(5, 1, 2, 1, 0), "xp");
    EXPECT_EQ(name(5, 2, 2, 1, 9), "xp");
    EXPECT_EQ(name(5, 2, 2, 3, 9), "2003");
    EXPECT_EQ(name(5, 2, 2, 1, 0), "2003");
    EXPECT_EQ(name(6, 0, 2, 1, 9), "vista");
    EXPECT_EQ(name(6, 0, 2, 3, 9), "2008");
    EXPECT_EQ(name(6, 1, 2, 1, 9), "win7");
    EXPECT_EQ(name(6, 1, 2, 2, 9), "2008");
    EXPECT_EQ(name(6, 2, 2, 1, 9), "win8");
    EXPECT_EQ(name(6, 2, 2, 3, 9), "2012");
}

TEST(OsName, UnlistedVersions)
{
    OsVersionFacts v;
    v.major = 10;
    EXPECT_EQ(OsNameFor(v), "unknow");
    v.major = 3;
    EXPECT_EQ(OsNameFor(v), "unknow");
    v.major = 5; v.minor = 3;
    EXPECT_EQ(OsNameFor(v), "");
    v.major = 6; v.minor = 3; v.productType = 1;
    EXPECT_EQ(OsNameFor(v), "");
    v.major = 4; v.minor = 0; v.platformId = 0;
    EXPECT_EQ(OsNameFor(v), "");
}
