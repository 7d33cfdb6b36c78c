#include "app/CrashDump.h"

#include <dbghelp.h>

#include <cstdlib>
#include <string>

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
        // Loaded only now, from the system folder: a program that does not
        // crash never pays for the library at its start.
        using WriteDump = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                        PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);
        wchar_t system[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        HMODULE dbghelp = length > 0 && length < MAX_PATH - 16
                              ? LoadLibraryW((std::wstring(system) + L"\\dbghelp.dll").c_str())
                              : nullptr;
        auto write = dbghelp ? reinterpret_cast<WriteDump>(
                                   reinterpret_cast<void*>(GetProcAddress(dbghelp, "MiniDumpWriteDump")))
                             : nullptr;
        if (write)
            write(GetCurrentProcess(), GetCurrentProcessId(), file.Get(), MiniDumpNormal, exception ? &info : nullptr,
                  nullptr, nullptr);
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
