// The real bridge tool's command-line handling and its rewording of adb.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "tools/bridge/BridgeCommand.h"

namespace {

using Args = std::vector<std::wstring>;

}  // namespace

TEST(BridgeArguments, AcceptsTheSystemsTwoInstallLines)
{
    BridgeRequest phone = ParseBridgeArguments({L"-nv", L"install", L"-r", L"C:\\Temp\\tmp1A2B.tmp"});
    EXPECT_TRUE(phone.valid);
    EXPECT_FALSE(phone.sdCard);
    EXPECT_EQ(phone.package, L"C:\\Temp\\tmp1A2B.tmp");

    BridgeRequest sd = ParseBridgeArguments({L"-nv", L"install", L"-s", L"-r", L"/tmp/tmp1A2B.tmp"});
    EXPECT_TRUE(sd.valid);
    EXPECT_TRUE(sd.sdCard);
    EXPECT_EQ(sd.package, L"/tmp/tmp1A2B.tmp");
}

TEST(BridgeArguments, UnquotedPathWithBlanksIsJoinedBack)
{
    BridgeRequest r = ParseBridgeArguments({L"-nv", L"install", L"-r", L"C:\\Documents", L"and", L"Settings\\tmp1.tmp"});
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.package, L"C:\\Documents and Settings\\tmp1.tmp");
}

TEST(BridgeArguments, AnythingElseIsRefused)
{
    for (const Args& args : {Args{}, Args{L"-nv", L"install"}, Args{L"-nv", L"install", L"-r"},
                             Args{L"-nv", L"install", L"-s", L"-r"}, Args{L"install", L"-r", L"a.apk"},
                             Args{L"-nv", L"uninstall", L"-r", L"a.apk"}, Args{L"-nv", L"install", L"-s", L"a.apk"},
                             Args{L"-NV", L"install", L"-r", L"a.apk"}, Args{L"-nv", L"install", L"-r", L""}}) {
        std::wstring joined;
        for (const std::wstring& a : args)
            joined += L"[" + a + L"]";
        EXPECT_FALSE(ParseBridgeArguments(args).valid) << std::string(joined.begin(), joined.end());
    }
}

TEST(BridgeArguments, QuotedArgumentsComeBackUnchanged)
{
    for (const std::wstring& arg : {std::wstring(L"plain"), std::wstring(L"C:\\with blanks\\安装.apk"),
                                    std::wstring(L"ends in\\"), std::wstring(L"two\\\\"),
                                    std::wstring(L"a\"quote"), std::wstring(L"back\\\"slash"), std::wstring()}) {
        EXPECT_EQ(SplitCommandLine(QuoteArgument(arg) + L" next"), (Args{arg, L"next"}));
    }
}

TEST(BridgeArguments, AdbCommandLine)
{
    BridgeRequest sd = ParseBridgeArguments({L"-nv", L"install", L"-s", L"-r", L"/tmp/my", L"tmp.tmp"});
    EXPECT_EQ(SplitCommandLine(BuildAdbCommand(L"/opt/sdk tools/adb", sd)),
              (Args{L"/opt/sdk tools/adb", L"install", L"-r", L"-s", L"/tmp/my tmp.tmp"}));
    BridgeRequest phone = ParseBridgeArguments({L"-nv", L"install", L"-r", L"x.tmp"});
    EXPECT_EQ(SplitCommandLine(BuildAdbCommand(L"adb", phone)), (Args{L"adb", L"install", L"-r", L"x.tmp"}));
}

TEST(BridgeWording, TodaysNoDeviceAndSeveralDevicesGetTheSystemsWords)
{
    const std::wstring none = L"Performing Push Install\nadb: error: failed to get feature set: no devices/emulators found\n";
    EXPECT_EQ(AddSystemWording(none), none + L"error: device not found\n");
    const std::wstring many = L"adb: error: failed to get feature set: more than one device/emulator";
    EXPECT_EQ(AddSystemWording(many), many + L"\nerror: more than one device and emulator\n");
}

TEST(BridgeWording, OtherOutputPassesUnchanged)
{
    for (const std::wstring& out :
         {std::wstring(L"Performing Streamed Install\r\nSuccess\r\n"), std::wstring(L"error: device not found\n"),
          std::wstring(L"error: more than one device and emulator\n"),
          std::wstring(L"adb: failed to install x.apk: Failure [INSTALL_FAILED_ALREADY_EXISTS: exists]\n"),
          std::wstring(L"error: no devices found"), std::wstring()}) {
        EXPECT_EQ(AddSystemWording(out), out);
    }
}
