#include "device/ConsoleRunner.h"

#include <windows.h>

#include <vector>

#include "device/RunnerLoop.h"
#include "platform/ScopedWin.h"

namespace {

class Win32ToolPipe : public ToolPipe {
public:
    // Closing order: write end, read end, process, thread.
    ~Win32ToolPipe() override
    {
        writeEnd_.Reset();
        readEnd_.Reset();
        process_.Reset();
        thread_.Reset();
    }

    bool Start(const std::wstring& commandLine)
    {
        SECURITY_ATTRIBUTES sa = {};
        sa.nLength = sizeof sa;
        sa.lpSecurityDescriptor = nullptr;
        sa.bInheritHandle = TRUE;
        if (!CreatePipe(readEnd_.Out(), writeEnd_.Out(), &sa, 0))
            return false;

        STARTUPINFOW si = {};
        GetStartupInfoW(&si);
        si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
        si.wShowWindow = SW_HIDE;
        si.hStdInput = readEnd_.Get();
        si.hStdOutput = writeEnd_.Get();
        si.hStdError = writeEnd_.Get();

        // CreateProcessW may write into the command line.
        std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
        line.push_back(L'\0');
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                            nullptr, nullptr, &si, &pi))
            return false;
        process_.Reset(pi.hProcess);
        thread_.Reset(pi.hThread);
        return true;
    }

    std::uint32_t Wait(int timeoutMs) override
    {
        return WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeoutMs));
    }

    bool Peek(std::uint32_t* waiting) override
    {
        DWORD n = 0;
        BOOL ok = PeekNamedPipe(readEnd_.Get(), nullptr, 0, nullptr, &n, nullptr);
        *waiting = n;
        return ok != FALSE;
    }

    bool Read(char* buffer, std::uint32_t max, std::uint32_t* got) override
    {
        DWORD n = 0;
        BOOL ok = ReadFile(readEnd_.Get(), buffer, max, &n, nullptr);
        *got = n;
        return ok != FALSE;
    }

private:
    ScopedHandle readEnd_;
    ScopedHandle writeEnd_;  // kept open, so the pipe never reports a broken pipe
    ScopedHandle process_;
    ScopedHandle thread_;
};

}  // namespace

std::wstring RunUntilExit(std::wstring commandLine, StopFlag* stop)
{
    if (stop)
        stop->store(0, std::memory_order_relaxed);
    Win32ToolPipe tool;
    if (!tool.Start(commandLine))
        return std::wstring();
    return ReadUntilExit(tool, stop);
}

std::wstring RunWaitThenDrain(std::wstring commandLine)
{
    Win32ToolPipe tool;
    if (!tool.Start(commandLine))
        return std::wstring();
    return WaitThenDrain(tool);
}
