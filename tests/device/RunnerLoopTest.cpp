// The read phases against a scripted process, where timing is exact.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "device/RunnerLoop.h"

namespace {

// A tool whose life is a list of steps: each Wait() call consumes one
// "still running" step and may add output to the pipe first.
class ScriptedPipe : public ToolPipe {
public:
    std::deque<std::string> outputPerWait;  // appended to the pipe on each Wait
    int runningWaits = 0;                   // Wait() answers "timeout" this often
    std::string pipe;
    int peekFailures = 0;
    int readFailures = 0;
    bool alwaysFail = false;
    int waits = 0, peeks = 0, reads = 0;

    std::uint32_t Wait(int) override
    {
        ++waits;
        if (!outputPerWait.empty()) {
            pipe += outputPerWait.front();
            outputPerWait.pop_front();
        }
        if (runningWaits > 0) {
            --runningWaits;
            return kWaitTimeout;
        }
        return kWaitEnded;
    }
    bool Peek(std::uint32_t* waiting) override
    {
        ++peeks;
        if (alwaysFail || peekFailures > 0) {
            --peekFailures;
            return false;
        }
        *waiting = static_cast<std::uint32_t>(pipe.size());
        return true;
    }
    bool Read(char* buffer, std::uint32_t max, std::uint32_t* got) override
    {
        ++reads;
        EXPECT_LE(max, 1023u);
        EXPECT_FALSE(pipe.empty()) << "a read must only follow a peek that saw bytes";
        if (readFailures > 0) {
            --readFailures;
            return false;
        }
        *got = static_cast<std::uint32_t>(std::min<size_t>(max, pipe.size()));
        pipe.copy(buffer, *got);
        pipe.erase(0, *got);
        return true;
    }
};

}  // namespace

TEST(RunnerLoop, UntilExitTakesExactlyOneChunkAfterTheToolEnded)
{
    ScriptedPipe tool;
    tool.runningWaits = 2;
    tool.outputPerWait = {"", "", std::string(3000, 'a')};  // printed as it ends
    std::wstring out = ReadUntilExit(tool, nullptr);
    EXPECT_EQ(out, std::wstring(1023, L'a'));
    EXPECT_EQ(tool.pipe.size(), 3000u - 1023u) << "the rest stays unread";
}

TEST(RunnerLoop, UntilExitCollectsEverythingPrintedWhileRunning)
{
    ScriptedPipe tool;
    tool.runningWaits = 4;
    tool.outputPerWait = {"Succ", "ess\r\n", "", "pkg: /data/local/tmp\r\n"};
    EXPECT_EQ(ReadUntilExit(tool, nullptr), L"Success\r\npkg: /data/local/tmp\r\n");
}

TEST(RunnerLoop, UntilExitEndsOnWaitFailureAndOnFailedRead)
{
    struct FailingWait : ScriptedPipe {
        std::uint32_t Wait(int) override { return 0xFFFFFFFF; }
    } failing;
    failing.pipe = "never read";
    EXPECT_EQ(ReadUntilExit(failing, nullptr), L"");
    EXPECT_EQ(failing.reads, 0);

    ScriptedPipe tool;
    tool.runningWaits = 5;
    tool.outputPerWait = {"lost"};
    tool.readFailures = 1;
    EXPECT_EQ(ReadUntilExit(tool, nullptr), L"");
    EXPECT_EQ(tool.waits, 1);
}

TEST(RunnerLoop, ZeroByteEndsTheChunkAndChunksDecodeSeparately)
{
    ScriptedPipe tool;
    tool.runningWaits = 3;
    // 1022 'x' then the first two bytes of 中 fill chunk one; its last byte starts chunk two.
    tool.outputPerWait = {std::string(1022, 'x') + "\xe4\xb8", "\xad" "ok", std::string("a\0b", 3)};
    std::wstring out = ReadUntilExit(tool, nullptr);
    EXPECT_EQ(out.find(L'中'), std::wstring::npos);
    EXPECT_NE(out.find(L"ok"), std::wstring::npos);
    EXPECT_EQ(out.back(), L'a') << "text after a zero byte in a chunk is dropped";
}

TEST(RunnerLoop, DrainReadsEverythingWaitingAfterTheWait)
{
    ScriptedPipe tool;
    tool.runningWaits = 1;  // the one-second wait times out
    tool.outputPerWait = {std::string(2500, 'b')};
    EXPECT_EQ(WaitThenDrain(tool), std::wstring(2500, L'b'));
    EXPECT_EQ(tool.waits, 1);
}

TEST(RunnerLoop, DrainRetriesFailedPeeksAndReadsButNeverHangs)
{
    ScriptedPipe flaky;
    flaky.outputPerWait = {"badging"};
    flaky.peekFailures = 3;
    flaky.readFailures = 2;
    EXPECT_EQ(WaitThenDrain(flaky), L"badging");

    ScriptedPipe broken;
    broken.alwaysFail = true;
    EXPECT_EQ(WaitThenDrain(broken), L"");
    EXPECT_EQ(broken.peeks, kRunnerRetryLimit);
}
