#include "app/CrashDump.h"

#include <dbghelp.h>

#include <cstdlib>

#include "platform/ScopedWin.h"

namespace {

std::wstring& CrashFolderCache()
{
    static std::wstring folder;
    return folder;
}

}  // namespace

std::wstring GetCrashFolder(const std::wstring& fileName)
{
    std::wstring& folder = CrashFolderCache();
    if (folder.empty()) {
        wchar_t temp[MAX_PATH + 1] = {};
        DWORD n = GetTempPathW(MAX_PATH, temp);
        if (n > 0 && n < MAX_PATH) {
            folder.assign(temp, n);
            if (folder.back() != L'\\')
                folder += L'\\';
            folder += L"Korvel\\";
            CreateDirectoryW(folder.c_str(), nullptr);
            CreateDirectoryW((folder + L"Download\\").c_str(), nullptr);
        }
    }
    return folder + fileName;
}

LONG WINAPI WriteCrashDump(EXCEPTION_POINTERS* exception)
{
    std::wstring path = GetCrashFolder(L"VodAdado.dmp");
    ScopedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Valid()) {
        MINIDUMP_EXCEPTION_INFORMATION info = {};
        info.ThreadId = GetCurrentThreadId();
        info.ExceptionPointers = exception;
        info.ClientPointers = TRUE;
        MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file.Get(), MiniDumpNormal,
                          exception ? &info : nullptr, nullptr, nullptr);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

void InstallCrashDumpFilter()
{
    SetUnhandledExceptionFilter(&WriteCrashDump);
    // The runtime we link (msvcrt) may lack the call: look it up and skip
    // it when absent.
    using SetAbortBehavior = unsigned int(__cdecl*)(unsigned int, unsigned int);
    for (const wchar_t* crt : {L"ucrtbase.dll", L"msvcrt.dll"}) {
        HMODULE module = GetModuleHandleW(crt);
        if (!module)
            continue;
        auto set = reinterpret_cast<SetAbortBehavior>(
            reinterpret_cast<void*>(GetProcAddress(module, "_set_abort_behavior")));
        if (set) {
            set(0, _WRITE_ABORT_MSG);
            break;
        }
    }
}
