// The runner against real processes: the scripted console tool built
// beside this test, on Linux natively and on Windows under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "TestSupport.h"
#include "device/ConsoleRunner.h"
#include "platform/Files.h"

namespace {

std::wstring Tool(const std::wstring& script)
{
    return L"\"" + testing_support::Beside(L"scripttool") + L"\" " + script;
}

// A fresh file name per run, so a marker of an earlier run never counts.
std::wstring MarkerPath(const char* name)
{
    std::wstring folder;
    platform::TempFolder(&folder);
    std::wstring path;
    platform::CreateTempFile(folder, L"mrk", &path);
    return path + L"-" + Utf8ToWide(name);
}

bool WaitForFile(const std::wstring& path, int ms)
{
    for (int i = 0; i < ms / 20; ++i) {
        if (platform::FileExists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return platform::FileExists(path);
}

}  // namespace

TEST(ConsoleRunner, MissingSilentOrPrintingToolsGiveTheirTextWithStandardErrorInterleaved)
{
    for (const std::wstring& line : {std::wstring(L"no-such-tool-korvel-xyz -nv install -r x"), std::wstring(),
                                     Tool(L"exit:3")}) {
        EXPECT_EQ(RunUntilExit(line, nullptr), L"") << WideToUtf8(line);
        EXPECT_EQ(RunWaitThenDrain(line), L"") << WideToUtf8(line);
    }
    EXPECT_EQ(RunUntilExit(Tool(L"outln:Success"), nullptr), L"Success\r\n");
    // A pause between writes, so each lands on the pipe before the next.
    const std::wstring script = L"out:A sleep:50 err:B sleep:50 out:C sleep:50 err:D";
    EXPECT_EQ(RunUntilExit(Tool(script), nullptr), L"ABCD");
    EXPECT_EQ(RunWaitThenDrain(Tool(script)), L"ABCD");
    EXPECT_EQ(RunWaitThenDrain(Tool(L"out:应用程序:安装成功")), L"应用程序:安装成功");
    EXPECT_EQ(RunUntilExit(Tool(L"err:设备未找到"), nullptr), L"设备未找到");
    EXPECT_EQ(RunWaitThenDrain(Tool(L"bytes:5000:z")), std::wstring(5000, L'z')) << "beyond one chunk";
}

TEST(ConsoleRunner, AVariableGivenForOneRunReachesThatToolAloneAndReplacesTheProgramsOwn)
{
    // The serial of a phone as adb lists one: blanks, quotes, Chinese.
    const std::wstring serial = L"R5C\"x y\" 手机";
    const std::wstring tool = Tool(L"env:ANDROID_SERIAL out:| env:PATH");
    const std::wstring own = RunUntilExit(tool, nullptr);
    const std::wstring path = own.substr(own.find(L'|'));
    EXPECT_NE(path, L"|<unset>") << "the rest of the environment stays";
    EXPECT_EQ(RunUntilExit(tool, nullptr, {{L"ANDROID_SERIAL", serial}}), serial + path);
    EXPECT_EQ(RunUntilExit(tool, nullptr), own) << "the next run gets the program's own";
    // Windows names are not case-sensitive: a differently written name is replaced.
#ifdef _WIN32
    EXPECT_EQ(RunUntilExit(Tool(L"env:PATH"), nullptr, {{L"Path", L"x"}}), L"x");
#endif
}

TEST(ConsoleRunner, UnquotedToolPathWithBlanksStarts)
{
    // As the program writes a tool's line: the path unquoted, blanks and all.
    testing_support::ScratchFolder folder;
    const std::string name = std::string("my tool") + WideToUtf8(platform::kExeSuffix);
    ASSERT_TRUE(folder.CopyIn(testing_support::Beside(L"scripttool"), name));
    EXPECT_EQ(RunUntilExit(folder.PathOf(name) + L" outln:Success", nullptr), L"Success\r\n");
    EXPECT_EQ(RunWaitThenDrain(folder.PathOf(name) + L" out:x"), L"x");
}

TEST(ConsoleRunner, TheDrainTakesWhatCameInTheFirstSecondAndLeavesTheToolRunning)
{
    // The tool runs far longer than the second: its late text never counts.
    EXPECT_EQ(RunWaitThenDrain(Tool(L"sleep:6000 out:late")), L"");
    const std::wstring marker = MarkerPath("drain");
    EXPECT_EQ(RunWaitThenDrain(Tool(L"out:early sleep:1500 touch:" + marker)), L"early");
    EXPECT_TRUE(WaitForFile(marker, 5000)) << "the tool is never ended by the runner";
}

TEST(ConsoleRunner, AStopFlagFromAnotherThreadEndsTheWaitButNotTheTool)
{
    const std::wstring marker = MarkerPath("stop");
    StopFlag stop{1};  // a stale request must not stop the next run
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        stop.store(1);
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunUntilExit(Tool(L"out:installing sleep:6000 touch:" + marker), &stop), L"installing");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600)) << "the stale flag was cleared";
    stopper.join();
    EXPECT_FALSE(platform::FileExists(marker)) << "returned before the tool's end";
    EXPECT_TRUE(WaitForFile(marker, 10000)) << "the tool keeps running after the stop";
}
