#include "device/RunnerLoop.h"

#include <cstring>

#include "platform/Text.h"

namespace {

// One read of at most 1023 bytes, decoded by itself up to its first zero
// byte: a UTF-8 sequence cut by the chunk boundary stays broken.
bool ReadChunk(ToolPipe& tool, std::uint32_t* got, std::wstring* out)
{
    char buffer[kRunnerChunkBytes + 1] = {};
    *got = 0;
    if (!tool.Read(buffer, kRunnerChunkBytes, got))
        return false;
    if (*got > kRunnerChunkBytes)
        *got = kRunnerChunkBytes;
    buffer[*got] = '\0';
    out->append(Utf8ToWide(buffer, std::strlen(buffer)));
    return true;
}

}  // namespace

std::wstring ReadUntilExit(ToolPipe& tool, StopFlag* stop)
{
    std::wstring output;
    std::uint32_t wait = tool.Wait(0);
    for (;;) {
        if (wait != kWaitTimeout && wait != kWaitEnded)
            break;
        if (stop && stop->load(std::memory_order_relaxed) != 0)
            break;
        std::uint32_t waiting = 0;
        if (tool.Peek(&waiting) && waiting > 0) {
            std::uint32_t got = 0;
            if (!ReadChunk(tool, &got, &output) || got == 0)
                break;
        }
        // Once the tool has ended, the chunk just taken was the last one.
        if (wait == kWaitEnded)
            break;
        wait = tool.Wait(0);
    }
    return output;
}

std::wstring WaitThenDrain(ToolPipe& tool)
{
    std::wstring output;
    tool.Wait(1000);
    // A failed peek or read repeats the pass; a pipe that keeps failing
    // must still not hang the caller.
    int failures = 0;
    while (failures < kRunnerRetryLimit) {
        std::uint32_t waiting = 0;
        if (!tool.Peek(&waiting)) {
            ++failures;
            continue;
        }
        if (waiting == 0)
            break;
        std::uint32_t got = 0;
        if (!ReadChunk(tool, &got, &output)) {
            ++failures;
            continue;
        }
        failures = 0;
        if (got == 0)
            break;
    }
    return output;
}
