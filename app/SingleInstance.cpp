#include "app/SingleInstance.h"

#include "app/CopyDataText.h"
#include "platform/ScopedWin.h"

const wchar_t kInstanceName[] = L"Tarvo";

namespace {

ScopedHandle& Marker()
{
    static ScopedHandle marker;
    return marker;
}

HWND ScanOnce()
{
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w && IsWindow(w); w = GetWindow(w, GW_HWNDNEXT)) {
        if (GetPropW(w, kInstanceName))
            return w;
    }
    return nullptr;
}

}  // namespace

bool CreateInstanceMarker()
{
    HANDLE marker = CreateSemaphoreW(nullptr, 1, 1, kInstanceName);
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    Marker().Reset(marker);
    return !existed;
}

void CloseInstanceMarker()
{
    Marker().Reset();
}

void MarkInstanceWindow(HWND window)
{
    SetPropW(window, kInstanceName, reinterpret_cast<HANDLE>(kInstancePropertyValue));
}

void UnmarkInstanceWindow(HWND window)
{
    RemovePropW(window, kInstanceName);
}

HWND FindInstanceWindow(DWORD timeoutMs)
{
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (HWND w = ScanOnce())
            return w;
        if (GetTickCount64() - start >= timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

bool HandOverCommandLine(const std::wstring& commandLine, DWORD timeoutMs)
{
    HWND target = FindInstanceWindow(timeoutMs);
    if (!target)
        return false;
    COPYDATASTRUCT record = {};
    record.dwData = 0;
    record.cbData = static_cast<DWORD>(CopyDataByteCount(commandLine));
    record.lpData = const_cast<wchar_t*>(commandLine.c_str());
    if (IsIconic(target))
        ShowWindow(target, SW_RESTORE);
    SetForegroundWindow(target);
    SendMessageW(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    return true;
}
