// The read phases of the console runner, over a small process-and-pipe
// interface, so the Win32 and POSIX layers share one loop and tests can
// drive it with a scripted process.
#pragma once

#include <cstdint>
#include <string>

#include "device/ConsoleRunner.h"

// Results of ToolPipe::Wait, numbered as WaitForSingleObject's.
constexpr std::uint32_t kWaitEnded = 0;      // WAIT_OBJECT_0
constexpr std::uint32_t kWaitTimeout = 258;  // WAIT_TIMEOUT

class ToolPipe {
public:
    virtual ~ToolPipe() = default;
    // Waits for the tool to end; kWaitEnded, kWaitTimeout or anything else on failure.
    virtual std::uint32_t Wait(int timeoutMs) = 0;
    // Bytes waiting in the pipe, without reading them.
    virtual bool Peek(std::uint32_t* waiting) = 0;
    // Reads at most `max` bytes; never called with nothing waiting.
    virtual bool Read(char* buffer, std::uint32_t max, std::uint32_t* got) = 0;
};

std::wstring ReadUntilExit(ToolPipe& tool, StopFlag* stop);
std::wstring WaitThenDrain(ToolPipe& tool);
