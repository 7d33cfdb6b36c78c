// KorvelTarvo.exe end to end under Wine: the real program in its own
// process with our own inspection tool and the stand-in bridge beside it,
// started like the shell starts it and used with the real mouse and keyboard.
// Screenshots of each state land in the shots folder for review.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CrashDump.h"
#include "app/PackageText.h"
#include "app/PhoneChoice.h"
#include "app/ReplaceOffer.h"
#include "app/e2e/ProgramUnderTest.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"

namespace {

// Places in the view, from the main layout (negative: from the far edge).
const POINT kInstallButton = {315, -22};
const POINT kShowPermissions = {42, 162};
const POINT kCloseButton = {-18, 18};
const POINT kPermissionBox = {190, 215};
const POINT kCollapseSide = {386, 100};
const POINT kDetailLocation = {-55, 150};
POINT RowLabel(int row) { return POINT{110, 76 + 35 * row + 19}; }
POINT RowDelete(int row) { return POINT{337, 76 + 35 * row + 17}; }

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring StoredLocation()
{
    wchar_t value[16] = {};
    GetPrivateProfileStringW(L"Choose", L"Position", L"<none>", value, 16, SettingsFile().c_str());
    return value;
}

// Starts the program on one package and waits until its details show.
// The inspection gives its tool one second (a rule of the program); on a
// crowded machine that can run out, and the details show the file name
// instead of the label. Then the program starts again, at most twice more.
void StartOn(ProgramUnderTest& p, const std::wstring& package, const std::wstring& label)
{
    const std::wstring fallback = LabelFromPath(package);
    for (int attempt = 0; attempt < 3; ++attempt) {
        ASSERT_TRUE(p.Start(Quoted(package)));
        ASSERT_NE(p.WaitForWindow(), nullptr) << "no window";
        p.MoveAway();
        ASSERT_TRUE(p.WaitFor([&](const ShownState& s) { return s.Text(20015) == label || s.Text(20015) == fallback; }))
            << "label never shown: " << testing::PrintToString(p.Shown().Text(20015));
        if (p.Shown().Text(20015) == label)
            return;
        p.End();
    }
    FAIL() << "the package's label never came in time";
}

void Click(ProgramUnderTest& p, POINT at) { p.Click(at.x, at.y); }

void CloseByItsButton(ProgramUnderTest& p)
{
    Click(p, kCloseButton);
    EXPECT_EQ(p.WaitForExit(), 0) << "the close button did not end the program";
}

}  // namespace

TEST(EndToEnd, QuotedPathWithBlanksAndChineseShowsItsDetails)
{
    ProgramUnderTest p(L"details");
    DeleteFileW(SettingsFile().c_str());
    const std::wstring package = p.CopyPackage(L"chinese.apk", L"新 建 文件夹\\安装 助手 v2.apk");
    StartOn(p, package, L"安装助手");
    EXPECT_TRUE(p.WaitFor([](const ShownState& s) {
        return s.Text(20017) == L"2.0" && s.Text(20018) == L"Android 2.2" &&
               s.Text(20009).find(L"KB") != std::wstring::npos;
    })) << testing::PrintToString(p.Shown().Text(20009));
    wchar_t title[64] = {};
    GetWindowTextW(p.Window(), title, 64);
    EXPECT_STREQ(title, L"KorvelTarvo");
    // The program file carries its icon, for Explorer and the shortcuts.
    EXPECT_GT(ExtractIconExW(p.ExePath().c_str(), -1, nullptr, nullptr, 0), 0u);
    // The settings file is written at start with the default location.
    EXPECT_EQ(StoredLocation(), L"1");
    p.Screenshot(L"detail");

    const SIZE before = p.ViewSize();
    Click(p, kShowPermissions);
    ASSERT_TRUE(p.WaitFor([](const ShownState& st) { return st.Shown(20008) && st.Shown(20002); }));
    EXPECT_EQ(p.ViewSize().cy, before.cy + 90);
    p.Screenshot(L"permissions");

    CloseByItsButton(p);
}

TEST(EndToEnd, WheelOverThePermissionBoxScrollsIt)
{
    ProgramUnderTest p(L"wheel");
    StartOn(p, p.CopyPackage(L"demo.apk", L"demo.apk"), L"Korvel 演示");
    Click(p, kShowPermissions);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Shown(20008); }));
    HWND box = FindWindowExW(p.View(), nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    p.Screenshot(L"permissions-many");
    // The box takes the focus when the pointer reaches it; a notch before
    // that would go to whatever had the focus (the location box, say).
    p.MoveTo(kPermissionBox.x, kPermissionBox.y);
    ASSERT_TRUE(p.WaitFor([&](const ShownState&) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus == box;
    }));
    p.Wheel(kPermissionBox.x, kPermissionBox.y, -1);
    EXPECT_GT(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    p.Wheel(kPermissionBox.x, kPermissionBox.y, 1);
    p.Wheel(kPermissionBox.x, kPermissionBox.y, 1);
    p.Wheel(kPermissionBox.x, kPermissionBox.y, 1);
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    CloseByItsButton(p);
}

TEST(EndToEnd, SuccessCountsDownAndClosesTheWindow)
{
    ProgramUnderTest p(L"success");
    // Phone memory, whatever an earlier test left chosen.
    DeleteFileW(SettingsFile().c_str());
    // Slow enough to see the wait state.
    p.SetBridgeScript("sleep:2500 success\n");
    const std::wstring package = p.CopyPackage(L"chinese.apk", L"安装 助手.apk");
    StartOn(p, package, L"安装助手");
    Click(p, kInstallButton);
    // The wait image and the layout's "installing" line.
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Shown(20019) && s.Shown(20020); }));
    p.Screenshot(L"installing");
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.EverShowed(20007, L"安装成功，4秒后自动关闭窗口!"); }));
    p.Screenshot(L"success-countdown");
    EXPECT_EQ(p.WaitForExit(), 0) << "the countdown did not close the window";

    ShownState s = p.Shown();
    EXPECT_TRUE(s.EverShowed(20007, L"安装成功，5秒后自动关闭窗口！"));
    for (int n = 5; n >= 0; --n)
        EXPECT_TRUE(s.EverShowed(20007, L"安装成功，" + std::to_wstring(n) + L"秒后自动关闭窗口!")) << n;
    std::vector<std::string> calls = p.BridgeCalls();
    ASSERT_EQ(calls.size(), 1u);
    // A temporary copy is installed, not the package under its odd name.
    EXPECT_NE(calls[0].find("install"), std::string::npos) << calls[0];
    EXPECT_EQ(calls[0].find("-s"), std::string::npos) << calls[0];
    EXPECT_EQ(calls[0].find("安装"), std::string::npos) << calls[0];
}

TEST(EndToEnd, AnXapkOpensWithItsIconAndInstallsThroughTheRealBridge)
{
    ProgramUnderTest p(L"bundle");
    DeleteFileW(SettingsFile().c_str());
    // Every call succeeds, and the phone tells no properties: every split goes.
    p.UseRealBridge("1 file pushed\nSuccess\n");
    StartOn(p, p.CopyPackage(L"bundles\\split.xapk", L"拆分 应用.xapk"), L"Split Demo");
    EXPECT_TRUE(p.WaitFor([](const ShownState& s) { return s.Text(20017) == L"4.2" && s.Text(20018) == L"21"; }));
    p.Screenshot(L"bundle-detail");
    Click(p, kInstallButton);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.EverShowed(20007, L"安装成功，4秒后自动关闭窗口!"); }));
    EXPECT_EQ(p.WaitForExit(), 0) << "the countdown did not close the window";

    const std::vector<std::string> calls = p.AdbCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], "shell getprop");
    EXPECT_EQ(calls[1].find("install-multiple -r "), 0u) << calls[1];
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(calls[1].find("split" + std::to_string(i) + ".apk"), std::string::npos) << calls[1];
    EXPECT_EQ(calls[2], "shell mkdir -p /sdcard/Android/obb/com.korvel.split");
    EXPECT_NE(calls[3].find(" /sdcard/Android/obb/com.korvel.split/main.42.com.korvel.split.obb"), std::string::npos);
}

TEST(EndToEnd, ABundleThatCannotBeInstalledSaysWhyBeforeAndAfterInstall)
{
    ProgramUnderTest p(L"refused");
    p.UseRealBridge("Success\n");
    StartOn(p, p.CopyPackage(L"bundles\\missing.xapk", L"缺 文件.xapk"), L"Split Demo");
    const std::wstring why = L"安装包缺少文件 config.fr.apk，无法安装";
    ASSERT_TRUE(p.WaitFor([&](const ShownState& s) { return s.Shown(20032) && s.Text(20032) == why; }))
        << testing::PrintToString(p.Shown().Text(20032));
    // A click the window never got is made again: one it got starts the
    // bridge, which asks the phone for its properties first.
    for (int tries = 0; tries < 3 && p.AdbCalls().empty(); ++tries) {
        Click(p, kInstallButton);
        p.WaitFor([&](const ShownState&) { return !p.AdbCalls().empty(); }, 15000);
    }
    // The outcome's own message stays; the bridge's reason comes under it.
    ASSERT_TRUE(p.WaitFor([&](const ShownState& s) { return s.Text(20006) == L"安装错误！" && s.Shown(20032); }))
        << testing::PrintToString(p.Shown().Text(20006)) << " " << p.AdbCalls().size();
    EXPECT_EQ(p.Shown().Text(20032), why);
    p.Screenshot(L"bundle-refused");
    const std::vector<std::string> calls = p.AdbCalls();
    ASSERT_EQ(calls.size(), 1u) << "nothing but the phone's properties may reach it";
    EXPECT_EQ(calls[0], "shell getprop");
    CloseByItsButton(p);
}

TEST(EndToEnd, APackageThatVanishedBeforeItsTurnIsSaid)
{
    ProgramUnderTest p(L"vanished");
    const std::wstring package = p.CopyPackage(L"plain.apk", L"gone soon.apk");
    StartOn(p, package, L"Demo App");
    ASSERT_TRUE(DeleteFileW(package.c_str()));
    Click(p, kInstallButton);
    // The engine gives the file a few seconds to come back first.
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Text(20006) == L"无法找到Apk文件！"; }))
        << testing::PrintToString(p.Shown().Text(20006));
    EXPECT_TRUE(p.BridgeCalls().empty());
    CloseByItsButton(p);
}

TEST(EndToEnd, DropAndSecondStartMakeAListThatInstallsRowByRow)
{
    ProgramUnderTest p(L"list");
    // One answer per bridge call, in row order, then the batch-ending ones.
    p.SetBridgeScript("exists\ncertificates\ndexopt\ninvalid\nsuccess\nnodevice\nstorage\nmultiple\nnospace\n");
    StartOn(p, p.CopyPackage(L"chinese.apk", L"a 安装.apk"), L"安装助手");
    const SIZE detail = p.ViewSize();

    // A second start hands its package over and ends.
    EXPECT_EQ(p.RunSecondInstance(Quoted(p.CopyPackage(L"plain.apk", L"b plain.apk"))), 0);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.rows == 2 && s.Text(20010) == L"安装全部"; }))
        << p.Shown().rows;
    EXPECT_EQ(p.ViewSize().cy, detail.cy + 90);

    // Drops: a folder and a text file are ignored, packages in any case join.
    CreateDirectoryW((p.WorkFolder() + L"folder").c_str(), nullptr);
    testing_support::WriteFileBytes(p.WorkFolder() + L"notes.txt", "x");
    ASSERT_TRUE(p.Drop({p.WorkFolder() + L"folder", p.WorkFolder() + L"notes.txt",
                        p.CopyPackage(L"quote.apk", L"c quote.APK")}, 100, 100));
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.rows == 3; }));
    // Five rows fit the list without scrolling.
    ASSERT_TRUE(p.Drop({p.CopyPackage(L"sdk6.apk", L"d.apk"), p.CopyPackage(L"sdk15.apk", L"e.apk")}, 100, 100));
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.rows == 5; }));
    p.MoveAway();
    p.Screenshot(L"list");

    // A row's label shows its whole text in a tooltip, also right after the
    // pointer crossed the background, where there is none.
    p.MoveTo(200, 20);
    p.MoveTo(RowLabel(2).x, RowLabel(2).y);
    EXPECT_TRUE(p.WaitFor([&](const ShownState&) { return p.ShownTooltip() == L"Bob's Tool"; }, 10000))
        << testing::PrintToString(p.ShownTooltip());
    p.Screenshot(L"list-tooltip");

    // A row click opens the side panel with that row's details.
    Click(p, RowLabel(1));
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Shown(20008) && s.Text(20015) == L"Demo App"; }))
        << testing::PrintToString(p.Shown().Text(20015));
    EXPECT_EQ(p.ViewSize().cx, detail.cx + 215);
    p.Screenshot(L"list-side-panel");
    Click(p, kCollapseSide);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return !s.Shown(20008); }));
    EXPECT_EQ(p.ViewSize().cx, detail.cx);

    // The hovered row's delete button removes it and its package.
    p.MoveTo(RowLabel(4).x, RowLabel(4).y);
    Click(p, RowDelete(4));
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.rows == 4; }));
    ASSERT_TRUE(p.Drop({p.CopyPackage(L"deflated.apk", L"f.apk")}, 100, 100));
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.rows == 5; }));
    p.MoveAway();

    // Install all: each row takes its own outcome.
    Click(p, kInstallButton);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.RowText(4) == L"Deflated Icon|安装完成！|0"; }))
        << testing::PrintToString(p.Shown().RowText(4));
    // Rows are read as the program last reported them: wait for the state
    // asserted, since a row's report may trail the end of the batch.
    const std::vector<std::wstring> outcomes = {L"安装助手|应用已存在...|1", L"Demo App|签名冲突，请...|1",
                                                L"Bob's Tool|文件损坏，...|1", L"Level Six|安装错误！|1"};
    auto rowsRead = [](const ShownState& st, int count) {
        std::vector<std::wstring> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(st.RowText(i));
        return rows;
    };
    EXPECT_TRUE(p.WaitFor([&](const ShownState& st) {
        return !st.Shown(20019) && st.Text(20006).empty() && rowsRead(st, 4) == outcomes;
    })) << testing::PrintToString(rowsRead(p.Shown(), 4));
    p.Screenshot(L"list-outcomes");
    EXPECT_EQ(p.BridgeCalls().size(), 5u);

    // A package dropped afterwards is the only one the next click installs;
    // a batch-ending answer says so, clears its row's status and keeps it
    // for another try.
    ASSERT_TRUE(p.Drop({p.CopyPackage(L"noicon.apk", L"g.apk")}, 100, 100));
    ASSERT_TRUE(p.WaitFor([](const ShownState& st) { return st.rows == 6; }));
    size_t calls = 5;
    for (const wchar_t* message : {L"没有连接设备，安装失败！", L"SD卡不存在或存储空间不够，安装失败！",
                                   L"连接多台设备时无法安装！", L"存储空间不够，安装失败！"}) {
        Click(p, kInstallButton);
        ++calls;
        ASSERT_TRUE(p.WaitFor([&](const ShownState& st) {
            return st.Text(20006) == message && p.BridgeCalls().size() == calls && !st.Shown(20019);
        })) << testing::PrintToString(p.Shown().Text(20006));
        if (calls == 6)
            p.Screenshot(L"list-nodevice");
    }
    EXPECT_TRUE(p.WaitFor([](const ShownState& st) {
        return st.rows == 6 && st.RowText(3) == L"Level Six|安装错误！|1" && st.RowText(5) == L"No Icon||0";
    })) << testing::PrintToString(p.Shown().RowText(5));
    CloseByItsButton(p);
}

TEST(EndToEnd, SeveralPhonesAreOfferedAndTheChoiceHoldsUntilThePhoneGoes)
{
    ProgramUnderTest p(L"phones");
    DeleteFileW(SettingsFile().c_str());
    // What `korvel_helper devices` lists: two ready phones, one not allowed yet.
    testing_support::WriteFileBytes(p.WorkFolder() + L"bridge.log.phones",
                                    "R58M 1\tdevice\tPixel_7\t14\n小米 \"2\"\tdevice\tMi_10\t12\nQ3\tunauthorized\t\t\n");
    p.SetBridgeScript("multiple\nmultiple\ncertificates\nnodevice\nmultiple\nsuccess\ncertificates\n");
    StartOn(p, p.CopyPackage(L"plain.apk", L"plain.apk"), L"Demo App");
    const std::wstring several = L"连接多台设备时无法安装！";
    size_t menus = 0;
    // Installs, and waits for the outcome and the menu that follows it.
    auto installUntilMenu = [&] {
        Click(p, kInstallButton);
        return p.WaitFor([&](const ShownState& s) { return s.menus.size() > menus && s.Text(20006) == several; });
    };

    ASSERT_TRUE(installUntilMenu());
    EXPECT_EQ(p.Shown().menus[menus++], L"Pixel 7  Android 14  R58M 1\nMi 10  Android 12  小米 \"2\"\n"
                                        L"~未授权：请在手机上允许 USB 调试  Q3\n全部设备");
    p.Screenshot(L"phones-menu");
    // Escape leaves the window as the outcome left it: nothing more is tried.
    p.Key(VK_ESCAPE);
    Sleep(500);
    EXPECT_EQ(p.BridgeCalls().size(), 1u);
    EXPECT_EQ(p.Shown().Text(20006), several);
    EXPECT_FALSE(p.Shown().Shown(PhoneChoice::kElement));

    // The second phone: the same install again, on it alone.
    ASSERT_TRUE(installUntilMenu());
    ++menus;
    p.Key(VK_DOWN);
    p.Key(VK_DOWN);
    p.Key(VK_RETURN);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Text(20006) == L"签名冲突，请卸载同名软件后重试！"; }));
    EXPECT_EQ(p.Shown().Text(PhoneChoice::kElement), L"安装到：Mi 10");
    EXPECT_TRUE(p.Shown().Shown(PhoneChoice::kElement));
    // It held; then the phone went away: result 1, and the choice is dropped.
    Click(p, kInstallButton);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Text(20006) == L"没有连接设备，安装失败！"; }));
    EXPECT_FALSE(p.Shown().Shown(PhoneChoice::kElement));

    // Every phone: the first failure's message and each phone's outcome under it.
    ASSERT_TRUE(installUntilMenu());
    p.Key(VK_UP);
    p.Key(VK_RETURN);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) {
        return s.Text(20006) == L"签名冲突，请卸载同名软件后重试！" && s.Text(20032) == L"Pixel 7：成功；Mi 10：签名冲突";
    })) << testing::PrintToString(p.Shown().Text(20032));
    EXPECT_EQ(p.Shown().Text(PhoneChoice::kElement), L"安装到：全部设备");
    p.Screenshot(L"phones-all-outcome");

    const std::vector<std::string> calls = p.BridgeCalls();
    ASSERT_EQ(calls.size(), 7u);
    const char* serials[] = {"", "", "小米 \"2\"", "小米 \"2\"", "", "R58M 1", "小米 \"2\""};
    for (size_t i = 0; i < calls.size(); ++i) {
        const size_t tab = calls[i].find('\t');
        EXPECT_EQ(tab == std::string::npos ? "" : calls[i].substr(tab + 16), serials[i]) << calls[i];
        EXPECT_NE(calls[i].find(" -nv install -r "), std::string::npos) << "the line as built: " << calls[i];
    }
    CloseByItsButton(p);
}

TEST(EndToEnd, EachCommonFailureSaysWhyAndAConflictIsResolvedOnlyWhenConfirmed)
{
    ProgramUnderTest p(L"reasons");
    DeleteFileW(SettingsFile().c_str());
    p.UseRealBridge("");
    // adb's server port, where nothing listens: its trouble is said plainly.
    testing_support::SetEnvironmentValue(L"ANDROID_ADB_SERVER_PORT", L"1");
    StartOn(p, p.CopyPackage(L"plain.apk", L"plain.apk"), L"Demo App");
    // Installs until the bridge reached adb (a click the window never got
    // is made again), then until the window shows `why` under `message`.
    auto install = [&](const POINT& at, const std::wstring& message, const std::wstring& why) {
        const size_t before = p.AdbCalls().size();
        for (int tries = 0; tries < 3 && p.AdbCalls().size() == before; ++tries) {
            Click(p, at);
            p.WaitFor([&](const ShownState&) { return p.AdbCalls().size() > before; }, 15000);
        }
        return p.WaitFor([&](const ShownState& s) { return s.Text(20006) == message && s.Text(20032) == why; });
    };
    const std::wstring none = L"没有连接设备，安装失败！", conflict = L"签名冲突，请卸载同名软件后重试！";
    const struct {
        const char* adbSays;
        std::wstring message, why;
    } cases[] = {
        {"adb: error: failed to get feature set: device unauthorized.\nThis adb server's $ADB_VENDOR_KEYS is not set\n",
         none, L"请在手机上点“允许 USB 调试”，然后重试"},
        {"adb: error: failed to get feature set: device offline\n", none,
         L"手机离线：请重新插拔数据线后重试"},
        {"adb: error: failed to get feature set: no devices/emulators found\n", none,
         L"检查数据线，打开USB调试，安装厂商USB驱动"},
        {"adb: failed to install a.apk: Failure [INSTALL_FAILED_USER_RESTRICTED: Install canceled by user]\n",
         L"安装错误！", L"在开发者选项中打开“USB安装”，并在手机上确认"},
        {"adb: failed to install a.apk: Failure [INSTALL_FAILED_UPDATE_INCOMPATIBLE: Package com.korvel.demo "
         "signatures do not match previously installed version; ignoring!]\n",
         conflict, L"旧版签名不同，需先卸载"},
    };
    for (const auto& c : cases) {
        p.AdbSays(c.adbSays);
        ASSERT_TRUE(install(kInstallButton, c.message, c.why)) << c.adbSays << testing::PrintToString(p.Shown().Text(20032));
        EXPECT_EQ(p.Shown().Shown(ReplaceOffer::kElement), c.message == conflict) << c.adbSays;
        if (&c == cases)
            p.Screenshot(L"reason-unauthorized");
    }
    p.Screenshot(L"conflict-offer");

    // The offer asks first; Enter takes the default, No, and nothing reaches the phone.
    const POINT offer = {215, -9};
    auto confirmation = [&] {
        HWND box = nullptr;
        p.WaitFor([&](const ShownState&) { return (box = FindWindowW(L"#32770", L"卸载旧版后安装")) != nullptr; }, 15000);
        return box;
    };
    const size_t calls = p.AdbCalls().size();
    Click(p, offer);
    ASSERT_NE(confirmation(), nullptr) << "no confirmation";
    p.Screenshot(L"conflict-confirm");
    p.Key(VK_RETURN);
    ASSERT_TRUE(p.WaitFor([&](const ShownState&) { return !FindWindowW(L"#32770", L"卸载旧版后安装"); }, 15000));
    Sleep(1000);
    EXPECT_EQ(p.AdbCalls().size(), calls) << "No must change nothing";

    // Yes: the old app goes first, then the package installs again.
    Click(p, offer);
    HWND box = confirmation();
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(p.WaitFor([&](const ShownState&) { return p.AdbCalls().size() >= calls + 2; }));
    const std::vector<std::string> after = p.AdbCalls();
    EXPECT_EQ(after[calls], "uninstall com.korvel.demo");
    EXPECT_EQ(after[calls + 1].find("install -r "), 0u) << after[calls + 1];
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Shown(ReplaceOffer::kElement); }));

    // adb's server in trouble; then a phone with a newer version, which ends the package.
    p.AdbSays("adb server version (40) doesn't match this client (41); killing...\n* failed to start daemon\n");
    EXPECT_TRUE(install(kInstallButton, L"安装错误！", L"端口 1 无法使用，也找不到占用它的程序：请关闭手机助手、模拟器后重试"));
    p.AdbSays("adb: failed to install a.apk: Failure [INSTALL_FAILED_VERSION_DOWNGRADE: Downgrade detected: Update "
              "version code 3 is older than current 12]\n");
    EXPECT_TRUE(install(kInstallButton, L"应用已存在，覆盖安装失败！", L"手机上的版本 12 比安装包的 3 新，请先卸载"));
    testing_support::SetEnvironmentValue(L"ANDROID_ADB_SERVER_PORT", L"");
    CloseByItsButton(p);
}

TEST(EndToEnd, ASecondStartGivesUpOnAFirstInstanceWithoutAWindow)
{
    // A first instance whose window has already gone while its process
    // still holds the marker: what a second start meets while the first
    // one closes. The second start looks for the window for a bounded time,
    // then ends with 0 and opens no window of its own.
    HANDLE marker = CreateSemaphoreW(nullptr, 1, 1, L"Tarvo");
    ASSERT_NE(marker, nullptr);
    ProgramUnderTest p(L"handover-closing");
    const ULONGLONG start = GetTickCount64();
    const int code = p.RunSecondInstance(Quoted(p.CopyPackage(L"plain.apk", L"plain.apk")));
    const ULONGLONG took = GetTickCount64() - start;
    CloseHandle(marker);
    EXPECT_EQ(code, 0);
    EXPECT_GE(took, 9000u) << "it gave up before looking for the window";
    EXPECT_TRUE(p.Shown().texts.empty()) << "the second start showed a window";
}

TEST(EndToEnd, TheChosenLocationIsKeptAndUsed)
{
    DeleteFileW(SettingsFile().c_str());
    {
        ProgramUnderTest p(L"location");
        StartOn(p, p.CopyPackage(L"plain.apk", L"plain.apk"), L"Demo App");
        EXPECT_EQ(StoredLocation(), L"1");
        // Open the box and take its second entry with the keyboard.
        Click(p, kDetailLocation);
        p.Key(VK_DOWN);
        p.Key(VK_RETURN);
        ASSERT_TRUE(p.WaitFor([](const ShownState&) { return StoredLocation() == L"2"; }, 10000));
        p.Screenshot(L"location-sd");
        Click(p, kInstallButton);
        ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Shown(20007); }));
        std::vector<std::string> calls = p.BridgeCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_NE(calls[0].find(" -s "), std::string::npos) << calls[0];
        EXPECT_EQ(p.WaitForExit(), 0);
    }
    {
        // The next start shows the kept choice.
        ProgramUnderTest p(L"location-again");
        StartOn(p, p.CopyPackage(L"plain.apk", L"plain.apk"), L"Demo App");
        HWND combo = FindWindowExW(p.View(), nullptr, L"ComboBox", nullptr);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
        CloseByItsButton(p);
    }
    // A damaged settings file falls back to phone memory.
    testing_support::WriteFileBytes(SettingsFile(), std::string("\xFF\xFE[Choose\x00\n\x01", 10));
    ProgramUnderTest p(L"location-damaged");
    StartOn(p, p.CopyPackage(L"plain.apk", L"plain.apk"), L"Demo App");
    HWND combo = FindWindowExW(p.View(), nullptr, L"ComboBox", nullptr);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    CloseByItsButton(p);
}

TEST(EndToEnd, ClosingDuringAnInstallStopsWaiting)
{
    // Repeatedly: the worker is still inside the engine when the window's
    // objects would be destroyed at exit, and a crash there comes and goes.
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        ProgramUnderTest p(L"close-during-install");
        p.SetBridgeScript("hang\n");
        StartOn(p, p.CopyPackage(L"plain.apk", L"plain.apk"), L"Demo App");
        Click(p, kInstallButton);
        ASSERT_TRUE(p.WaitFor([&](const ShownState& s) { return s.Shown(20019) && p.BridgeCalls().size() == 1; }));
        Click(p, kCloseButton);
        EXPECT_EQ(p.WaitForExit(), 0) << "the window waited for a bridge that never ends, or crashed";
    }
}

TEST(EndToEnd, UnreadablePackagesAndStrayQuotes)
{
    {
        // A package the tool cannot read is shown by its file name (without
        // the extension); a stray
        // quote after the path is dropped.
        ProgramUnderTest p(L"unreadable");
        const std::wstring package = p.CopyPackage(L"notzip.apk", L"坏 包.apk");
        ASSERT_TRUE(p.Start(Quoted(package) + L"\""));
        ASSERT_NE(p.WaitForWindow(), nullptr);
        ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Text(20015) == L"坏 包"; }))
            << testing::PrintToString(p.Shown().Text(20015));
        p.MoveAway();
        p.Screenshot(L"unreadable");
        CloseByItsButton(p);
    }
    // A doubled opening quote leaves no path: the window opens empty and
    // still takes drops.
    ProgramUnderTest p(L"stray-quotes");
    ASSERT_TRUE(p.Start(L"\"\"" + p.CopyPackage(L"plain.apk", L"plain.apk") + L"\""));
    ASSERT_NE(p.WaitForWindow(), nullptr);
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.texts.count(20015) == 1; }));
    EXPECT_EQ(p.Shown().Text(20015), L"");
    ASSERT_TRUE(p.Drop({p.CopyPackage(L"quote.apk", L"q.apk")}, 100, 100));
    ASSERT_TRUE(p.WaitFor([](const ShownState& s) { return s.Text(20015) == L"Bob's Tool"; }));
    CloseByItsButton(p);
}

TEST(EndToEnd, ACrashLeavesADumpBesideTheDownloadFolder)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring dump = std::wstring(temp) + L"Korvel\\VodAdado.dmp";
    DeleteFileW(dump.c_str());
    // Once the window has painted, and before the package is read, the
    // writer is loaded and waits on a thread of its own; the crashing
    // thread only hands over.
    ProgramUnderTest q(L"crash");
    ASSERT_TRUE(q.Start(Quoted(q.CopyPackage(L"plain.apk", L"plain.apk")), SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS));
    ASSERT_NE(q.WaitForWindow(), nullptr);
    ASSERT_TRUE(q.WaitFor([](const ShownState& s) { return s.Text(20015) == L"Demo App"; }));
    // A thread of the program that runs into an unmapped address.
    HANDLE thread = CreateRemoteThread(q.Process(), nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(0x10), nullptr,
                                       0, nullptr);
    ASSERT_NE(thread, nullptr);
    CloseHandle(thread);
    EXPECT_NE(q.WaitForExit(), -1) << "the program did not end after the fault";
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(dump, &bytes, 256u << 20)) << "no dump";
    EXPECT_FALSE(platform::FileExists(dump + L".part"));
    EXPECT_NE(GetFileAttributesW((std::wstring(temp) + L"Korvel\\Download").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(bytes.substr(0, 4), "MDMP");
    // Only the prepared writer marks its dumps (the faults each writes are
    // read back in app_elements_tests).
    EXPECT_NE(bytes.find(kPreparedWriterMark), std::string::npos) << "written by the fallback";
}
