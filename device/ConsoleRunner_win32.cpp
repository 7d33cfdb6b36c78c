#include "device/ConsoleRunner.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "device/RunnerLoop.h"
#include "platform/ScopedWin.h"

namespace {

// The name of "NAME=value"; drive entries ("=C:=C:\\") keep their leading '='.
std::wstring NameOf(const std::wstring& entry)
{
    return entry.substr(0, entry.find(L'=', 1));
}

bool SameName(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The program's environment with each variable replaced or added, sorted
// by name without regard to case, as Windows keeps a block.
std::vector<wchar_t> EnvironmentBlock(const std::vector<ToolVariable>& variables)
{
    std::vector<std::wstring> entries;
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
            std::wstring entry(p);
            bool replaced = false;
            for (const ToolVariable& v : variables)
                replaced = replaced || SameName(NameOf(entry), v.name);
            if (!replaced)
                entries.push_back(std::move(entry));
        }
        FreeEnvironmentStringsW(block);
    }
    for (const ToolVariable& v : variables)
        entries.push_back(v.name + L"=" + v.value);
    std::stable_sort(entries.begin(), entries.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStringOrdinal(NameOf(a).c_str(), -1, NameOf(b).c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    std::vector<wchar_t> out;
    for (const std::wstring& e : entries)
        out.insert(out.end(), e.c_str(), e.c_str() + e.size() + 1);
    out.push_back(L'\0');
    return out;
}

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

    bool Start(const std::wstring& commandLine, const std::vector<ToolVariable>& variables = {})
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
        // The program's own environment unless the tool gets variables of its own.
        std::vector<wchar_t> environment;
        if (!variables.empty())
            environment = EnvironmentBlock(variables);
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                            NORMAL_PRIORITY_CLASS | (variables.empty() ? 0 : CREATE_UNICODE_ENVIRONMENT),
                            variables.empty() ? nullptr : environment.data(), nullptr, &si, &pi))
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

std::wstring RunUntilExit(std::wstring commandLine, StopFlag* stop, const std::vector<ToolVariable>& variables)
{
    if (stop)
        stop->store(0, std::memory_order_relaxed);
    Win32ToolPipe tool;
    if (!tool.Start(commandLine, variables))
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
