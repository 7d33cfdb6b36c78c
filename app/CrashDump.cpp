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

// What a crash needs, made ready before any: the writer function, the
// dump's file names, and a thread of its own with a whole stack that waits
// to run it. A crash on a thread whose stack overflowed, one holding the
// loader lock, or one inside the heap with its lock held can then neither
// run out of stack, nor wait for a library to load, nor allocate.
struct DumpWriter {
    WriteDump write = nullptr;
    HANDLE request = nullptr;  // auto-reset: one per crash
    HANDLE done = nullptr;     // auto-reset: that crash's dump is written
    EXCEPTION_POINTERS* exception = nullptr;
    DWORD threadId = 0;        // the crashing thread
    DWORD writerId = 0;        // the writer's own thread
    volatile LONG busy = 0;    // a crash is being written: the first crashing thread won
    wchar_t path[MAX_PATH + 32] = {};
    wchar_t partial[MAX_PATH + 40] = {};
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
// stays empty never replaces a good dump. Nothing here allocates.
void WriteDumpFile(WriteDump write, EXCEPTION_POINTERS* exception, DWORD threadId, const wchar_t* path,
                   const wchar_t* partial, MINIDUMP_USER_STREAM_INFORMATION* streams)
{
    bool written = false;
    {
        ScopedHandle file(
            CreateFileW(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid() || !write)
            return;
        MINIDUMP_EXCEPTION_INFORMATION info = {};
        info.ThreadId = threadId;
        info.ExceptionPointers = exception;
        info.ClientPointers = FALSE;
        LARGE_INTEGER size = {};
        written = write(GetCurrentProcess(), GetCurrentProcessId(), file.Get(), MiniDumpNormal,
                        exception ? &info : nullptr, streams, nullptr) &&
                  GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0;
    }
    if (!written || !MoveFileExW(partial, path, MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(partial);
}

DWORD WINAPI DumpThread(void*)
{
    DumpWriter& w = Writer();
    MINIDUMP_USER_STREAM mark = {kPreparedWriterStream, static_cast<ULONG>(sizeof kPreparedWriterMark),
                                 const_cast<char*>(kPreparedWriterMark)};
    MINIDUMP_USER_STREAM_INFORMATION streams = {1, &mark};
    // Ready again after each dump: a crash that something handled, or a
    // first dump, leaves the writer for the next one.
    for (;;) {
        WaitForSingleObject(w.request, INFINITE);
        WriteDumpFile(w.write, w.exception, w.threadId, w.path, w.partial, &streams);
        SetEvent(w.done);
    }
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
    if (!w.write) {
        // A crash before the program was ready: try on this thread.
        const std::wstring path = GetCrashFolder(L"VodAdado.dmp"), partial = path + L".part";
        WriteDumpFile(LoadWriteDump(), exception, GetCurrentThreadId(), path.c_str(), partial.c_str(), nullptr);
        return EXCEPTION_CONTINUE_SEARCH;
    }
    // The writer's own fault cannot wait for the writer.
    if (GetCurrentThreadId() == w.writerId)
        return EXCEPTION_CONTINUE_SEARCH;
    // The first crashing thread has its dump written; one that crashes
    // meanwhile waits until that is done, then goes on to the end.
    if (InterlockedCompareExchange(&w.busy, 1, 0) != 0) {
        for (int waited = 0; w.busy && waited < 1200; ++waited)
            Sleep(100);
        return EXCEPTION_CONTINUE_SEARCH;
    }
    w.exception = exception;
    w.threadId = GetCurrentThreadId();
    SetEvent(w.request);
    WaitForSingleObject(w.done, 120000);
    InterlockedExchange(&w.busy, 0);
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
    const std::wstring path = GetCrashFolder(L"VodAdado.dmp"), partial = path + L".part";
    if (partial.size() >= sizeof w.partial / sizeof w.partial[0])
        return;
    path.copy(w.path, path.size());
    partial.copy(w.partial, partial.size());
    w.request = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    w.done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE thread = w.request && w.done && write
                        ? CreateThread(nullptr, 256 * 1024, DumpThread, nullptr, 0, &w.writerId)
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
