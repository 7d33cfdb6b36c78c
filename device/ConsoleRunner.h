// Runs a console tool hidden, with standard output and standard error joined
// on one pipe, and returns what it printed (UTF-8) as wide text. Neither call
// reads the exit code or ever ends the tool: a tool still running when the
// call returns goes on on its own. A tool that cannot start yields "".
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Set to non-zero by another thread to stop RunUntilExit waiting.
using StopFlag = std::atomic<std::int32_t>;

// At most this many bytes are read per chunk; each chunk is decoded by itself.
constexpr int kRunnerChunkBytes = 1023;

// Consecutive failed peeks or reads after which draining gives up.
constexpr int kRunnerRetryLimit = 1000;

// A variable the tool gets over the program's own environment (the phone
// an install goes to), so the command line stays as it is built.
struct ToolVariable {
    std::wstring name;
    std::wstring value;
};

// Polls until the tool ends (then takes one more chunk) or *stop turns
// non-zero. *stop is cleared first.
std::wstring RunUntilExit(std::wstring commandLine, StopFlag* stop,
                          const std::vector<ToolVariable>& variables = {});

// Waits up to one second for the tool, then drains what the pipe holds.
std::wstring RunWaitThenDrain(std::wstring commandLine);
