// The real bridge tool as a program: against a scripted adb placed beside a
// copy of it, and against Debian's real adb with no phone attached.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "device/ConsoleRunner.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

bool Has(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

std::wstring Helper() { return testing_support::Beside(L"korvel_helper"); }

// Exit status of a command line run through the shell.
int ExitStatus(const std::string& command)
{
    int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A folder holding a copy of the tool and a scripted "adb" that records its
// arguments one per line and prints what the test put into adb-says.txt
// (and adb-err.txt on standard error).
class ScriptedAdb : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/korvel-bridge-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ASSERT_TRUE(platform::CopyFileOver(Helper(), Path("korvel_helper")));
        ASSERT_TRUE(platform::WriteFileBytes(Path("adb"),
            "#!/bin/sh\n"
            "here=$(dirname \"$0\")\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$here/adb-args.txt\"\n"
            "cat \"$here/adb-says.txt\"\n"
            "[ -f \"$here/adb-err.txt\" ] && cat \"$here/adb-err.txt\" >&2\n"
            "exit 0\n"));
        chmod(WideToUtf8(Path("korvel_helper")).c_str(), 0755);
        chmod(WideToUtf8(Path("adb")).c_str(), 0755);
    }
    void TearDown() override
    {
        if (!dir_.empty())
            ExitStatus("rm -rf '" + dir_ + "'");
    }

    std::wstring Path(const char* name) const { return Utf8ToWide(dir_ + "/" + name); }
    void Says(const std::string& out, const std::string& err = std::string())
    {
        ASSERT_TRUE(platform::WriteFileBytes(Path("adb-says.txt"), out));
        if (!err.empty())
            ASSERT_TRUE(platform::WriteFileBytes(Path("adb-err.txt"), err));
    }
    std::wstring Install(const std::wstring& tail)
    {
        return RunUntilExit(L"\"" + Path("korvel_helper") + L"\" -nv install " + tail, nullptr);
    }
    std::string AdbArgs() const
    {
        std::string args;
        platform::ReadFileBytes(Path("adb-args.txt"), &args, 1 << 16);
        return args;
    }

    std::string dir_;
};

}  // namespace

TEST_F(ScriptedAdb, SuccessPassesThroughFromTheAdbBesideIt)
{
    // A real adb may be on PATH too; the one beside the tool wins.
    Says("Performing Streamed Install\nSuccess\n");
    EXPECT_EQ(Install(L"-r /tmp/tmp1A2B.tmp"), L"Performing Streamed Install\nSuccess\n");
    EXPECT_EQ(AdbArgs(), "install\n-r\n/tmp/tmp1A2B.tmp\n");
    EXPECT_EQ(ExitStatus("'" + dir_ + "/korvel_helper' -nv install -r /tmp/tmp1A2B.tmp"), 0);
}

TEST_F(ScriptedAdb, SdCardAndPathWithBlanks)
{
    Says("Success\n");
    EXPECT_TRUE(Has(Install(L"-s -r /tmp/空格 目录/tmp1.tmp"), L"Success"));
    EXPECT_EQ(AdbArgs(), "install\n-r\n-s\n/tmp/空格 目录/tmp1.tmp\n");
}

TEST_F(ScriptedAdb, SeveralDevicesAreNamedAsTheSystemExpects)
{
    Says("", "adb: error: failed to get feature set: more than one device/emulator\n");
    std::wstring out = Install(L"-r /tmp/tmp1.tmp");
    EXPECT_TRUE(Has(out, L"more than one device/emulator")) << WideToUtf8(out);
    EXPECT_TRUE(Has(out, L"more than one device and emulator")) << WideToUtf8(out);
    EXPECT_FALSE(Has(out, L"device not found"));
    EXPECT_NE(ExitStatus("'" + dir_ + "/korvel_helper' -nv install -r /tmp/tmp1.tmp"), 0);
}

TEST_F(ScriptedAdb, OtherFailuresPassUnchanged)
{
    const char* failures[] = {
        "Performing Streamed Install\nadb: failed to install x.apk: Failure [INSTALL_FAILED_ALREADY_EXISTS: x]\n",
        "Failure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]\n",
        "Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE]\n",
        "error: device not found\n",
    };
    for (const char* text : failures) {
        Says(text);
        EXPECT_EQ(WideToUtf8(Install(L"-r /tmp/tmp1.tmp")), text);
    }
}

TEST_F(ScriptedAdb, UnknownCommandLinesPrintUsageAndFail)
{
    Says("Success\n");
    for (const wchar_t* line : {L"", L" -nv uninstall -r x.apk", L" install -r x.apk", L" -nv install -r",
                                L" -nv install -s x.apk"}) {
        std::wstring out = RunUntilExit(L"\"" + Path("korvel_helper") + L"\"" + line, nullptr);
        EXPECT_TRUE(Has(out, L"usage: korvel_helper")) << WideToUtf8(line);
        EXPECT_FALSE(Has(out, L"Success")) << "adb must not run";
        EXPECT_NE(ExitStatus("'" + dir_ + "/korvel_helper'" + WideToUtf8(line)), 0) << WideToUtf8(line);
    }
}

TEST_F(ScriptedAdb, MissingAdbIsSaidPlainly)
{
    ASSERT_EQ(std::remove(WideToUtf8(Path("adb")).c_str()), 0);
    // Nothing on PATH either.
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", dir_.c_str(), 1);
    std::wstring out = Install(L"-r /tmp/tmp1.tmp");
    setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(Has(out, L"korvel_helper: adb")) << WideToUtf8(out);
    EXPECT_FALSE(Has(out, L"device not found"));
}

// Debian's adb starts a server daemon; it gets a port of its own, so other
// adb users on this machine are not disturbed, and is stopped afterwards.
class RealAdb : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (access("/usr/bin/adb", X_OK) != 0)
            GTEST_SKIP() << "Debian adb not installed";
        port_ = std::to_string(20000 + getpid() % 20000);
        setenv("ANDROID_ADB_SERVER_PORT", port_.c_str(), 1);
    }
    void TearDown() override
    {
        if (port_.empty())
            return;
        RunUntilExit(L"/usr/bin/adb kill-server", nullptr);
        unsetenv("ANDROID_ADB_SERVER_PORT");
    }
    std::string port_;
};

TEST_F(RealAdb, NoPhoneReadsAsDeviceNotFound)
{
    const std::wstring package = testing_support::CorpusFile(L"plain.apk");
    for (const wchar_t* form : {L" -nv install -r ", L" -nv install -s -r "}) {
        std::wstring out = RunUntilExit(Helper() + form + package, nullptr);
        SCOPED_TRACE(WideToUtf8(out));
        EXPECT_TRUE(Has(out, L"no devices/emulators found"));
        // Exactly the install result classification's no-device rule.
        EXPECT_TRUE(Has(out, L"device not found"));
        EXPECT_FALSE(Has(out, L"more than one device and emulator"));
        EXPECT_FALSE(Has(out, L"Success"));
    }
}
