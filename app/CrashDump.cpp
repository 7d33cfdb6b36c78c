#include "app/CrashDump.h"

#include <dbghelp.h>

#include <cstdlib>
#include <string>

#include "platform/ScopedWin.h"

namespace {

using WriteDump = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);

std::wstring& CrashFolderCache()
{
    static std::wstring folder;
    return folder;
}

// What a crash needs, made ready at idle: the writer function, and a
// thread of its own with a whole stack to run it on. A crash on a thread
// whose stack overflowed, or one holding the loader lock, can then neither
// run out of stack in the writer nor wait for a library to load.
struct DumpWriter {
    WriteDump write = nullptr;
    HANDLE request = nullptr;
    HANDLE done = nullptr;
    EXCEPTION_POINTERS* exception = nullptr;
    DWORD threadId = 0;
};

DumpWriter& Writer()
{
    static DumpWriter writer;
    return writer;
}

// From the system folder only: never a dbghelp.dll planted beside us.
WriteDump LoadWriteDump()
{
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    HMODULE dbghelp =
        length > 0 && length < MAX_PATH - 16 ? LoadLibraryW((std::wstring(system) + L"\\dbghelp.dll").c_str()) : nullptr;
    return dbghelp ? reinterpret_cast<WriteDump>(reinterpret_cast<void*>(GetProcAddress(dbghelp, "MiniDumpWriteDump")))
                   : nullptr;
}

// Written beside the last dump, then moved over it: a write that fails or
// stays empty never replaces a good dump.
void WriteDumpFile(WriteDump write, EXCEPTION_POINTERS* exception, DWORD threadId)
{
    const std::wstring path = GetCrashFolder(L"VodAdado.dmp"), partial = path + L".part";
    bool written = false;
    {
        ScopedHandle file(CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
        if (!file.Valid() || !write)
            return;
        MINIDUMP_EXCEPTION_INFORMATION info = {};
        info.ThreadId = threadId;
        info.ExceptionPointers = exception;
        info.ClientPointers = FALSE;
        LARGE_INTEGER size = {};
        written = write(GetCurrentProcess(), GetCurrentProcessId(), file.Get(), MiniDumpNormal,
                        exception ? &info : nullptr, nullptr, nullptr) &&
                  GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0;
    }
    if (!written || !MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(partial.c_str());
}

DWORD WINAPI DumpThread(void*)
{
    DumpWriter& w = Writer();
    WaitForSingleObject(w.request, INFINITE);
    WriteDumpFile(w.write, w.exception, w.threadId);
    SetEvent(w.done);
    return 0;
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
    DumpWriter& w = Writer();
    if (w.write) {
        w.exception = exception;
        w.threadId = GetCurrentThreadId();
        SetEvent(w.request);
        WaitForSingleObject(w.done, 120000);
    } else {
        // A crash before the program was ready: try on this thread.
        WriteDumpFile(LoadWriteDump(), exception, GetCurrentThreadId());
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

namespace {

// A stack overflow leaves its thread too little stack for the system's
// search of handlers to reach the unhandled-exception filter; this handler
// is asked first, before that search, and only hands the work over.
LONG WINAPI StackOverflowFirst(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW)
        return EXCEPTION_CONTINUE_SEARCH;
    return WriteCrashDump(exception);
}

}  // namespace

void PrepareCrashDump()
{
    DumpWriter& w = Writer();
    if (w.write)
        return;
    const WriteDump write = LoadWriteDump();
    GetCrashFolder(std::wstring());
    w.request = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    w.done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = w.request && w.done && write ? CreateThread(nullptr, 256 * 1024, DumpThread, nullptr, 0, nullptr)
                                                 : nullptr;
    if (!thread)
        return;
    CloseHandle(thread);
    w.write = write;  // last: the filter uses the thread only once it waits
    AddVectoredExceptionHandler(1, &StackOverflowFirst);
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
