// The real bridge tool as a program on both targets (so under Wine too),
// against a scripted adb beside a copy of it: what only a stand-in can show
// here, since Wine cannot run the real adb. The real adb and a scripted
// phone are in real_phone_test.py.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "TestSupport.h"
#include "bundle/Refusal.h"
#include "device/ConsoleRunner.h"
#include "device/PhoneList.h"
#include "platform/CommandLine.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/PortListener.h"
#include "platform/Text.h"

namespace {

bool Has(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

std::wstring Exe(const std::string& name) { return Utf8ToWide(name) + platform::kExeSuffix; }
std::string ExeName(const std::string& name) { return WideToUtf8(Exe(name)); }

// A folder holding a copy of the bridge tool and the scripted adb, which
// records its arguments and prints what the test gives it.
class ScriptedAdb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder_.Path().empty());
        ASSERT_TRUE(folder_.CopyIn(testing_support::Beside(L"korvel_helper"), ExeName("korvel_helper")));
        ASSERT_TRUE(AdbInto(folder_));
    }

    static bool AdbInto(testing_support::ScratchFolder& folder)
    {
        return folder.CopyIn(GetModuleDirectory() + platform::kPathSeparator + L"fakeadb" +
                                 platform::kPathSeparator + Exe("adb"),
                             ExeName("adb"));
    }

    void Says(const std::string& out, const std::string& err = std::string())
    {
        ASSERT_TRUE(folder_.Write("adb-says.txt", out));
        ASSERT_TRUE(folder_.Write("adb-err.txt", err));
    }

    // Written as the system writes it: the tool's path unquoted, the rest
    // appended as it stands.
    std::wstring Line(const std::wstring& tail) const { return folder_.PathOf(ExeName("korvel_helper")) + tail; }
    std::wstring Run(const std::wstring& tail) const { return RunUntilExit(Line(tail), nullptr); }

    // What adb was given, one argument a line; empty when it did not run.
    static std::string AdbArgs(const testing_support::ScratchFolder& folder)
    {
        std::string args;
        platform::ReadFileBytes(folder.PathOf("adb-args.txt"), &args, 1 << 16);
        return args;
    }
    std::string AdbArgs() const { return AdbArgs(folder_); }

    std::string TempPackage(const std::string& name) const { return WideToUtf8(folder_.PathOf(name)); }

    testing_support::ScratchFolder folder_;
};

}  // namespace

TEST_F(ScriptedAdb, AdbGetsThePackageUnderAnApkNameThatGoesAfterwards)
{
    // A real adb may be on PATH too; the one beside the tool wins.
    Says("Performing Streamed Install\r\nSuccess\r\n");
    const std::string package = TempPackage("tmp1A2B.tmp");
    ASSERT_TRUE(folder_.Write("tmp1A2B.tmp", "PK\x03\x04 package"));
    // The shim states the result first; adb's own words follow, defanged.
    EXPECT_EQ(Run(L" -nv install -r " + Utf8ToWide(package)),
              L"Success\nPerforming Streamed Install\r\nS\u200Buccess\r\n");
    // adb saw the file under its .apk name while it ran.
    EXPECT_EQ(AdbArgs(), "install\n-r\n" + package + ".apk\nexists\n");
    EXPECT_FALSE(platform::FileExists(Utf8ToWide(package + ".apk")));
    EXPECT_TRUE(platform::FileExists(Utf8ToWide(package)));

    // A name already taken is left alone.
    ASSERT_TRUE(folder_.Write("tmp1A2B.tmp.apk", "someone else's"));
    Run(L" -nv install -r " + Utf8ToWide(package));
    EXPECT_EQ(AdbArgs(), "install\n-r\n" + package + "-1.apk\nexists\n");
    std::string kept;
    EXPECT_TRUE(platform::ReadFileBytes(Utf8ToWide(package + ".apk"), &kept, 100));
    EXPECT_EQ(kept, "someone else's");
}

TEST_F(ScriptedAdb, SdCardAndPathWithBlanksAndChinese)
{
    Says("Success\n");
    ASSERT_TRUE(folder_.Write("空格 目录 tmp1.tmp", "PK\x03\x04"));
    const std::string package = TempPackage("空格 目录 tmp1.tmp");
    EXPECT_TRUE(Has(Run(L" -nv install -s -r " + Utf8ToWide(package)), L"Success"));
    // This adb lists no features, so the phone gets the old form.
    EXPECT_EQ(AdbArgs(), "install\n-r\n-s\n" + package + ".apk\nexists\n");
#ifdef _WIN32
    // The line as written reaches the tool, so even two blanks stay two.
    ASSERT_TRUE(folder_.Write("two  blanks.tmp", "PK\x03\x04"));
    const std::string doubled = TempPackage("two  blanks.tmp");
    EXPECT_TRUE(Has(Run(L" -nv install -r " + Utf8ToWide(doubled)), L"Success"));
    EXPECT_EQ(AdbArgs(), "install\n-r\n" + doubled + ".apk\nexists\n");
#endif
}

TEST_F(ScriptedAdb, MissingAdbIsSaidPlainly)
{
    ASSERT_TRUE(platform::RemoveFile(folder_.PathOf(ExeName("adb"))));
    // Nothing on PATH either.
    const std::wstring path = platform::EnvironmentValue(L"PATH");
    testing_support::SetEnvironmentValue(L"PATH", folder_.Path());
    std::wstring out = Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")));
    testing_support::SetEnvironmentValue(L"PATH", path);
    // The batch ends as with no phone, and the user learns where we looked.
    EXPECT_EQ(out.find(L"error: device not found\n"), 0u) << WideToUtf8(out);
    EXPECT_TRUE(Has(out, L"adb was not found; looked for it at: " + folder_.PathOf(ExeName("adb")))) << WideToUtf8(out);
    EXPECT_FALSE(Has(out, L"Success"));
}

TEST_F(ScriptedAdb, AProgramHoldingAdbsServerPortIsNamedWithItsProcess)
{
    // A program of ours listens on a port, and adb's server there is not adb.
    const std::wstring holding = folder_.PathOf("holder.txt");
    RunWaitThenDrain(L"\"" + testing_support::Beside(L"scripttool") + L"\" listen:" + holding + L" sleep:60000");
    std::string held;
    ASSERT_TRUE(platform::ReadFileBytes(holding, &held, 64)) << "the listener never said its port";
    const std::string port = held.substr(0, held.find(' ')), pid = held.substr(held.find(' ') + 1);
    testing_support::SetEnvironmentValue(L"ANDROID_ADB_SERVER_PORT", Utf8ToWide(port));
    Says("adb server version (40) doesn't match this client (41); killing...\n* failed to start daemon\n"
         "error: cannot connect to daemon\n");
    ASSERT_TRUE(folder_.Write("tmp2.tmp", "PK\x03\x04 not much"));
    const std::wstring out = Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp2.tmp")));
    testing_support::SetEnvironmentValue(L"ANDROID_ADB_SERVER_PORT", L"");
    const Refusal failure = FindRefusal(WideToUtf8(out));
#ifdef _WIN32
    // Wine 8's TCP table lists the listener with no owner (its server holds
    // every socket), so under Wine the line can only say that plainly.
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
        EXPECT_EQ(failure, Refusal(RefusalCode::ServerPortUnknown, port)) << WideToUtf8(out);
        platform::PortListener seen;
        EXPECT_TRUE(platform::FindPortListener(static_cast<std::uint16_t>(std::stoi(port)), &seen));
        return;
    }
#endif
    EXPECT_EQ(failure.code, RefusalCode::ServerPortHeld) << WideToUtf8(out);
    EXPECT_EQ(RefusalText(failure), L"端口 " + Utf8ToWide(port) + L" 被 " + Exe("scripttool") + L"（进程 " +
                                        Utf8ToWide(pid) + L"）占用，请关闭它后重试");
}

TEST_F(ScriptedAdb, EachReadyPhoneIsAskedThroughItsSerialNeverOnACommandLine)
{
    Says("List of devices attached\n我的 \"手机\" 1   device product:p model:Mi_11 transport_id:1\n"
         "R58M           unauthorized transport_id:2\n");
    const std::vector<Phone> phones = ParsePhoneList(WideToUtf8(Run(L" devices")));
    ASSERT_EQ(phones.size(), 2u);
    EXPECT_EQ(phones[0].serial, "我的 \"手机\" 1");
    EXPECT_EQ(phones[0].model, "Mi_11");
    EXPECT_EQ(phones[1].state, "unauthorized");
    std::string log;
    ASSERT_TRUE(platform::ReadFileBytes(folder_.PathOf("adb-log.txt"), &log, 1 << 16));
    EXPECT_EQ(log, "devices -l\nshell getprop ro.build.version.release [serial=我的 \"手机\" 1]\n");
}
