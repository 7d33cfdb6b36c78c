// The real bridge tool as a program: started with the system's command lines
// against a scripted adb beside a copy of it (both targets, so under Wine
// too), and natively against Debian's real adb with no phone attached.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/ScopedWin.h"
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

#include "TestSupport.h"
#include "device/ConsoleRunner.h"
#include "inspect/ScratchFile.h"
#include "platform/CommandLine.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

bool Has(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

std::wstring Exe(const std::string& name) { return Utf8ToWide(name) + platform::kExeSuffix; }
std::string ExeName(const std::string& name) { return WideToUtf8(Exe(name)); }

// The exit status of a command line, its output thrown away; -1 when it
// cannot be started. The runner never reads exit codes, so this is ours.
int ExitStatus(const std::wstring& commandLine)
{
#ifdef _WIN32
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    ScopedHandle nul(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = start.hStdOutput = start.hStdError = nul.Get();
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &info))
        return -1;
    ScopedHandle process(info.hProcess), thread(info.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    return static_cast<int>(code);
#else
    SpawnArguments argv(SplitCommandLine(commandLine));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int rc = argv.Empty() ? -1 : posix_spawnp(&pid, argv.Program(), &actions, nullptr, argv.Argv(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

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

    static bool AdbInto(scratch::ScratchFolder& folder)
    {
        folder.Keep("adb-args.txt");
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
    static std::string AdbArgs(const scratch::ScratchFolder& folder)
    {
        std::string args;
        platform::ReadFileBytes(folder.PathOf("adb-args.txt"), &args, 1 << 16);
        return args;
    }
    std::string AdbArgs() const { return AdbArgs(folder_); }

    std::string TempPackage(const std::string& name) const { return WideToUtf8(folder_.PathOf(name)); }

    scratch::ScratchFolder folder_;
};

}  // namespace

TEST_F(ScriptedAdb, SuccessPassesThroughFromTheAdbBesideIt)
{
    // A real adb may be on PATH too; the one beside the tool wins.
    Says("Performing Streamed Install\r\nSuccess\r\n");
    const std::string package = TempPackage("tmp1A2B.tmp");
    EXPECT_EQ(Run(L" -nv install -r " + Utf8ToWide(package)), L"Performing Streamed Install\r\nSuccess\r\n");
    EXPECT_EQ(AdbArgs(), "install\n-r\n" + package + "\n");
    EXPECT_EQ(ExitStatus(Line(L" -nv install -r " + Utf8ToWide(package))), 0);
}

TEST_F(ScriptedAdb, SdCardAndPathWithBlanksAndChinese)
{
    Says("Success\n");
    const std::string package = TempPackage("空格 目录") + "/tmp1.tmp";
    EXPECT_TRUE(Has(Run(L" -nv install -s -r " + Utf8ToWide(package)), L"Success"));
    EXPECT_EQ(AdbArgs(), "install\n-r\n-s\n" + package + "\n");
#ifdef _WIN32
    // The line as written reaches the tool, so even two blanks stay two.
    const std::string doubled = TempPackage("two  blanks.tmp");
    EXPECT_TRUE(Has(Run(L" -nv install -r " + Utf8ToWide(doubled)), L"Success"));
    EXPECT_EQ(AdbArgs(), "install\n-r\n" + doubled + "\n");
#endif
}

TEST_F(ScriptedAdb, NoDeviceAndSeveralDevicesAreNamedAsTheSystemExpects)
{
    Says("Performing Push Install\n", "adb: error: failed to get feature set: no devices/emulators found\n");
    std::wstring none = Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")));
    EXPECT_TRUE(Has(none, L"no devices/emulators found")) << WideToUtf8(none);
    EXPECT_TRUE(Has(none, L"device not found")) << WideToUtf8(none);
    EXPECT_FALSE(Has(none, L"more than one device and emulator"));

    Says("", "adb: error: failed to get feature set: more than one device/emulator\n");
    std::wstring many = Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")));
    EXPECT_TRUE(Has(many, L"more than one device/emulator")) << WideToUtf8(many);
    EXPECT_TRUE(Has(many, L"more than one device and emulator")) << WideToUtf8(many);
    EXPECT_FALSE(Has(many, L"device not found"));
    EXPECT_NE(ExitStatus(Line(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")))), 0);
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
        EXPECT_EQ(WideToUtf8(Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")))), text);
        EXPECT_NE(ExitStatus(Line(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")))), 0) << text;
    }
}

TEST_F(ScriptedAdb, UnknownCommandLinesPrintUsageAndFail)
{
    Says("Success\n");
    for (const wchar_t* tail : {L"", L" -nv uninstall -r x.apk", L" install -r x.apk", L" -nv install -r",
                                L" -nv install -r   ", L" -nv install -s x.apk", L" -nv install -r -s x.apk",
                                L" -nv install -rx.apk", L" -NV install -r x.apk"}) {
        SCOPED_TRACE(WideToUtf8(tail));
        std::wstring out = Run(tail);
        EXPECT_TRUE(Has(out, L"usage: korvel_helper")) << WideToUtf8(out);
        EXPECT_FALSE(Has(out, L"Success"));
        EXPECT_EQ(AdbArgs(), "") << "adb must not run";
        EXPECT_EQ(ExitStatus(Line(tail)), 2);
    }
}

TEST_F(ScriptedAdb, AdbOnThePathServesWhenNoneIsBeside)
{
    ASSERT_TRUE(platform::RemoveFile(folder_.PathOf(ExeName("adb"))));
    scratch::ScratchFolder elsewhere;
    ASSERT_TRUE(AdbInto(elsewhere));
    ASSERT_TRUE(elsewhere.Write("adb-says.txt", "Success\n"));
    const std::wstring path = platform::EnvironmentValue(L"PATH");
#ifdef _WIN32
    platform::SetEnvironmentValue(L"PATH", elsewhere.Path() + L";" + path);
#else
    platform::SetEnvironmentValue(L"PATH", elsewhere.Path() + L":" + path);
#endif
    std::wstring out = Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")));
    platform::SetEnvironmentValue(L"PATH", path);
    EXPECT_EQ(out, L"Success\n");
    EXPECT_EQ(AdbArgs(elsewhere), "install\n-r\n" + TempPackage("tmp1.tmp") + "\n");
}

TEST_F(ScriptedAdb, MissingAdbIsSaidPlainly)
{
    ASSERT_TRUE(platform::RemoveFile(folder_.PathOf(ExeName("adb"))));
    // Nothing on PATH either.
    const std::wstring path = platform::EnvironmentValue(L"PATH");
    platform::SetEnvironmentValue(L"PATH", folder_.Path());
    std::wstring out = Run(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp")));
    int status = ExitStatus(Line(L" -nv install -r " + Utf8ToWide(TempPackage("tmp1.tmp"))));
    platform::SetEnvironmentValue(L"PATH", path);
    EXPECT_TRUE(Has(out, L"korvel_helper: adb")) << WideToUtf8(out);
    EXPECT_FALSE(Has(out, L"device not found"));
    EXPECT_FALSE(Has(out, L"Success"));
    EXPECT_NE(status, 0);
}

#ifndef _WIN32
namespace {

// A port nobody listens on now, from the system.
std::string FreePort()
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return std::string();
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    std::string port;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = std::to_string(ntohs(address.sin_port));
    close(s);
    return port;
}

}  // namespace

// Debian's adb starts a server daemon; it gets a port of its own, so other
// adb users on this machine are not disturbed, and is stopped afterwards.
class RealAdb : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(access("/usr/bin/adb", X_OK), 0) << "Debian adb is not installed (scripts/setup installs it)";
        port_ = FreePort();
        ASSERT_FALSE(port_.empty());
        platform::SetEnvironmentValue(L"ANDROID_ADB_SERVER_PORT", Utf8ToWide(port_));
    }
    void TearDown() override
    {
        if (port_.empty())
            return;
        RunUntilExit(L"/usr/bin/adb kill-server", nullptr);
        platform::SetEnvironmentValue(L"ANDROID_ADB_SERVER_PORT", L"");
    }
    std::string port_;
};

TEST_F(RealAdb, NoPhoneReadsAsDeviceNotFound)
{
    // The tool in the build folder has no adb beside it, so PATH's serves;
    // /usr/bin comes first so it is Debian's.
    const std::wstring path = platform::EnvironmentValue(L"PATH");
    platform::SetEnvironmentValue(L"PATH", L"/usr/bin:" + path);
    const std::wstring package = testing_support::CorpusFile(L"plain.apk");
    for (const wchar_t* form : {L" -nv install -r ", L" -nv install -s -r "}) {
        std::wstring out = RunUntilExit(testing_support::Beside(L"korvel_helper") + form + package, nullptr);
        SCOPED_TRACE(WideToUtf8(out));
        EXPECT_TRUE(Has(out, L"no devices/emulators found"));
        // Exactly the install result classification's no-device rule.
        EXPECT_TRUE(Has(out, L"device not found"));
        EXPECT_FALSE(Has(out, L"more than one device and emulator"));
        EXPECT_FALSE(Has(out, L"Success"));
    }
    platform::SetEnvironmentValue(L"PATH", path);
}
#endif
