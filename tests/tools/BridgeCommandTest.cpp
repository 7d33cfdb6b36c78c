// The real bridge tool's command-line handling and its rewording of adb.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/Text.h"
#include "tools/bridge/BridgeCommand.h"

namespace {

using Args = std::vector<std::wstring>;

}  // namespace

TEST(BridgeArguments, AcceptsTheSystemsTwoInstallLines)
{
    BridgeRequest phone = ParseBridgeArguments(L" -nv install -r C:\\Temp\\tmp1A2B.tmp");
    EXPECT_TRUE(phone.valid);
    EXPECT_FALSE(phone.sdCard);
    EXPECT_EQ(phone.package, L"C:\\Temp\\tmp1A2B.tmp");

    BridgeRequest sd = ParseBridgeArguments(L" -nv install -s -r /tmp/tmp1A2B.tmp");
    EXPECT_TRUE(sd.valid);
    EXPECT_TRUE(sd.sdCard);
    EXPECT_EQ(sd.package, L"/tmp/tmp1A2B.tmp");
}

TEST(BridgeArguments, UnquotedPathKeepsItsBlanks)
{
    BridgeRequest r = ParseBridgeArguments(L" -nv install -r C:\\Documents and  Settings\\安装\\tmp1.tmp");
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.package, L"C:\\Documents and  Settings\\安装\\tmp1.tmp");
    // Tabs separate words as blanks do; a line end after the path is not part of it.
    BridgeRequest tabs = ParseBridgeArguments(L"\t-nv\tinstall  -s\t-r  /tmp/x y.tmp \r\n");
    EXPECT_TRUE(tabs.valid);
    EXPECT_TRUE(tabs.sdCard);
    EXPECT_EQ(tabs.package, L"/tmp/x y.tmp");
}

TEST(BridgeArguments, PathQuotedWholeIsUnquoted)
{
    // As a person would type it at a prompt.
    BridgeRequest r = ParseBridgeArguments(L" -nv install -r \"C:\\my files\\a.apk\"");
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.package, L"C:\\my files\\a.apk");
}

TEST(BridgeArguments, AnythingElseIsRefused)
{
    for (const wchar_t* line :
         {L"", L"   ", L" -nv install", L" -nv install -r", L" -nv install -r  \t ", L" -nv install -r \r\n",
          L" -nv install -s -r", L" install -r a.apk", L" -nv uninstall -r a.apk", L" -nv install -s a.apk",
          L" -NV install -r a.apk", L" -nv install -ra.apk", L" -nvinstall -r a.apk", L" -nv install -r -s a.apk",
          L" -nv install -r \"\"", L" -nv install -r a\"b.apk", L" -nv install -r \"a.apk"}) {
        EXPECT_FALSE(ParseBridgeArguments(line).valid) << WideToUtf8(line);
    }
}

TEST(BridgeArguments, ProgramNameIsCutAsTheRuntimeCutsIt)
{
    EXPECT_EQ(ArgumentsAfterProgram(L"C:\\Tarvo\\korvel_helper.exe -nv install -r x"), L" -nv install -r x");
    EXPECT_EQ(ArgumentsAfterProgram(L"\"C:\\Program Files\\korvel_helper.exe\" -nv install -r x"),
              L" -nv install -r x");
    EXPECT_EQ(ArgumentsAfterProgram(L"\"C:\\Program Files\\korvel_helper.exe\"-nv"), L"-nv");
    EXPECT_EQ(ArgumentsAfterProgram(L"korvel_helper.exe"), L"");
    EXPECT_EQ(ArgumentsAfterProgram(L"\"unterminated -nv"), L"");
    EXPECT_EQ(ArgumentsAfterProgram(L""), L"");
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
    BridgeRequest sd = ParseBridgeArguments(L" -nv install -s -r /tmp/my tmp.tmp");
    EXPECT_EQ(SplitCommandLine(BuildAdbCommand(L"/opt/sdk tools/adb", sd)),
              (Args{L"/opt/sdk tools/adb", L"install", L"-r", L"-s", L"/tmp/my tmp.tmp"}));
    BridgeRequest phone = ParseBridgeArguments(L" -nv install -r x.tmp");
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
