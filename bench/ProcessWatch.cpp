#include "bench/ProcessWatch.h"

#include <tlhelp32.h>

#include <vector>

namespace bench {

bool StartProgram(const std::wstring& commandLine, Launched* out)
{
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    out->sinceStart.Restart();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    out->process.Reset(pi.hProcess);
    out->thread.Reset(pi.hThread);
    out->pid = pi.dwProcessId;
    out->commandLine = commandLine;
    return true;
}

namespace {

struct TopSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK TakeTopWindow(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<TopSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CheckChild(HWND hwnd, LPARAM param)
{
    auto* painted = reinterpret_cast<bool*>(param);
    RECT update;
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, &update, FALSE)) {
        *painted = false;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindVisibleTopWindow(DWORD pid)
{
    TopSearch search = {pid, nullptr};
    EnumWindows(&TakeTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WindowPainted(HWND top)
{
    RECT update;
    if (GetUpdateRect(top, &update, FALSE))
        return false;
    bool painted = true;
    EnumChildWindows(top, &CheckChild, reinterpret_cast<LPARAM>(&painted));
    return painted;
}

FirstPaint WaitFirstPaint(const Launched& program, double timeoutMs)
{
    FirstPaint result;
    while (program.sinceStart.Ms() < timeoutMs) {
        if (WaitForSingleObject(program.process.Get(), 0) == WAIT_OBJECT_0)
            break;
        if (!result.window) {
            result.window = FindVisibleTopWindow(program.pid);
            if (result.window)
                result.visibleMs = program.sinceStart.Ms();
        }
        if (result.window && WindowPainted(result.window)) {
            result.paintedMs = program.sinceStart.Ms();
            break;
        }
        Sleep(1);
    }
    return result;
}

void EndProgram(Launched* program)
{
    if (!program->process.Valid())
        return;
    TerminateProcess(program->process.Get(), 0);
    WaitForSingleObject(program->process.Get(), 10000);
    program->process.Reset();
    program->thread.Reset();
}

void CloseProgram(Launched* program, HWND window)
{
    if (!program->process.Valid())
        return;
    if (window && IsWindow(window))
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (WaitForSingleObject(program->process.Get(), 15000) != WAIT_OBJECT_0)
        EndProgram(program);
    program->process.Reset();
    program->thread.Reset();
}

namespace {

unsigned long long Ticks(const FILETIME& t)
{
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// Sum over the live threads of the process. Some systems (Wine) answer the
// process-wide question for another process with next to nothing but know
// each thread's times.
double ThreadCpuMs(DWORD pid)
{
    ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot.Valid())
        return -1;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    unsigned long long total = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry)) {
        if (entry.th32OwnerProcessID != pid)
            continue;
        ScopedHandle thread(OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
        FILETIME created, ended, kernel, user;
        if (thread.Valid() && GetThreadTimes(thread.Get(), &created, &ended, &kernel, &user))
            total += Ticks(kernel) + Ticks(user);
    }
    return static_cast<double>(total) / 10000.0;
}

}  // namespace

double CpuMs(HANDLE process)
{
    FILETIME created, ended, kernel, user;
    double whole = -1;
    if (GetProcessTimes(process, &created, &ended, &kernel, &user))
        whole = static_cast<double>(Ticks(kernel) + Ticks(user)) / 10000.0;
    double threads = ThreadCpuMs(GetProcessId(process));
    return whole > threads ? whole : threads;
}

}  // namespace bench
