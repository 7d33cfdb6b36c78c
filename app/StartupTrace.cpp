#include "app/StartupTrace.h"

// The kernel32 entry (Windows 7 and later): no psapi.dll to load.
#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>

#include <cwchar>

#include "platform/Diagnostics.h"

namespace {

bool g_enabled = false;
LARGE_INTEGER g_entry = {};

}  // namespace

void BeginStartupTrace(bool enabled)
{
    g_enabled = enabled;
    QueryPerformanceCounter(&g_entry);
}

void MarkStartup(const wchar_t* stage)
{
    if (!g_enabled)
        return;
    LARGE_INTEGER now = {}, frequency = {};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const double ms = static_cast<double>(now.QuadPart - g_entry.QuadPart) * 1000.0 / frequency.QuadPart;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    wchar_t line[128] = {};
    swprintf(line, 128, L"startup %ls %.1f ms %zu KB", stage, ms, counters.WorkingSetSize / 1024);
    WriteDiagnostic(line);
}
