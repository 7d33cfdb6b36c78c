// The runner against real processes: the scripted console tool built
// beside this test, on Linux natively and on Windows under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "TestSupport.h"
#include "device/ConsoleRunner.h"
#include "inspect/ScratchFile.h"
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

using Clock = std::chrono::steady_clock;
long long MsSince(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

}  // namespace

TEST(ConsoleRunner, MissingProgramOrEmptyLineGivesEmptyText)
{
    EXPECT_EQ(RunUntilExit(L"no-such-tool-korvel-xyz -nv install -r x", nullptr), L"");
    EXPECT_EQ(RunWaitThenDrain(L"no-such-tool-korvel-xyz d badging \"x\""), L"");
    EXPECT_EQ(RunUntilExit(L"", nullptr), L"");
    EXPECT_EQ(RunWaitThenDrain(L""), L"");
}

TEST(ConsoleRunner, SilentToolGivesEmptyText)
{
    EXPECT_EQ(RunUntilExit(Tool(L"exit:3"), nullptr), L"");
    EXPECT_EQ(RunWaitThenDrain(Tool(L"")), L"");
}

TEST(ConsoleRunner, OutputKeepsLineEndsAndInterleavesStandardError)
{
    EXPECT_EQ(RunUntilExit(Tool(L"outln:Success"), nullptr), L"Success\r\n");
    // A pause between writes, so each lands on the pipe before the next.
    std::wstring script = L"out:A sleep:50 err:B sleep:50 out:C sleep:50 err:D";
    EXPECT_EQ(RunUntilExit(Tool(script), nullptr), L"ABCD");
    EXPECT_EQ(RunWaitThenDrain(Tool(script)), L"ABCD");
}

TEST(ConsoleRunner, UnquotedToolPathWithBlanksStarts)
{
    // As the program writes a tool's line: the path unquoted, blanks and all.
    scratch::ScratchFolder folder;
    const std::string name = std::string("my tool") + WideToUtf8(platform::kExeSuffix);
    ASSERT_TRUE(folder.CopyIn(testing_support::Beside(L"scripttool"), name));
    EXPECT_EQ(RunUntilExit(folder.PathOf(name) + L" outln:Success", nullptr), L"Success\r\n");
    EXPECT_EQ(RunWaitThenDrain(folder.PathOf(name) + L" out:x"), L"x");
}

TEST(ConsoleRunner, ChineseUtf8OutputComesBackAsTheSameCharacters)
{
    EXPECT_EQ(RunWaitThenDrain(Tool(L"out:应用程序:安装成功")), L"应用程序:安装成功");
    EXPECT_EQ(RunUntilExit(Tool(L"err:设备未找到"), nullptr), L"设备未找到");
}

TEST(ConsoleRunner, DrainTakesAllWaitingOutputBeyondOneChunk)
{
    std::wstring out = RunWaitThenDrain(Tool(L"bytes:5000:z"));
    EXPECT_EQ(out, std::wstring(5000, L'z'));
}

TEST(ConsoleRunner, UntilExitCollectsAcrossChunksWhileTheToolRuns)
{
    // Written in pieces with pauses, each under one chunk, so all is read before the end.
    std::wstring out = RunUntilExit(Tool(L"bytes:900:a sleep:100 bytes:900:b sleep:100 bytes:900:c sleep:100"), nullptr);
    EXPECT_EQ(out, std::wstring(900, L'a') + std::wstring(900, L'b') + std::wstring(900, L'c'));
}

TEST(ConsoleRunner, DrainIgnoresWhatComesAfterTheFirstSecond)
{
    auto start = Clock::now();
    // The tool runs far longer than the second, so a slow start on a busy
    // machine cannot blur the two.
    EXPECT_EQ(RunWaitThenDrain(Tool(L"sleep:6000 out:late")), L"");
    EXPECT_LT(MsSince(start), 4500) << "returns after about one second, not at the tool's end";

    // Printed at once, then the tool runs on: what was printed so far.
    std::wstring marker = MarkerPath("drain");
    std::wstring out = RunWaitThenDrain(Tool(L"out:early sleep:1500 touch:" + marker));
    EXPECT_EQ(out, L"early");
    EXPECT_TRUE(WaitForFile(marker, 5000)) << "the tool is never ended by the runner";
}

TEST(ConsoleRunner, StopFlagFromAnotherThreadEndsWaitingButNotTheTool)
{
    std::wstring marker = MarkerPath("stop");
    StopFlag stop{1};  // a stale request must not stop the next run
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        stop.store(1);
    });
    auto start = Clock::now();
    std::wstring out = RunUntilExit(Tool(L"out:installing sleep:6000 touch:" + marker), &stop);
    long long elapsed = MsSince(start);
    stopper.join();
    EXPECT_EQ(out, L"installing");
    EXPECT_GE(elapsed, 600) << "the flag was cleared at the start";
    EXPECT_LT(elapsed, 4500) << "waited for the tool's end";
    EXPECT_FALSE(platform::FileExists(marker));
    EXPECT_TRUE(WaitForFile(marker, 10000)) << "the tool keeps running after the stop";
}
