// The crash-dump writer in a child process of this test that crashes as it
// is told: the prepared writer marks its dumps, names the fault, and is
// ready again after each dump. A real stack overflow cannot be shown under
// Wine (its dispatcher cannot deliver one); the code raised on a thread
// with a small, nearly used stack takes the same road.
#include <gtest/gtest.h>
#include <windows.h>
#include <dbghelp.h>

#include <cstdint>
#include <string>

#include "TestSupport.h"
#include "app/CrashDump.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Folders.h"
#include "platform/ScopedWin.h"

namespace {

const wchar_t kChild[] = L"TARVO_CRASH_CHILD";

// Uses the stack down to a few kilobytes, then raises the overflow's code.
DWORD UseStackThenOverflow(int depth)
{
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (depth > 0)
        return UseStackThenOverflow(depth - 1) + frame[0];
    RaiseException(EXCEPTION_STACK_OVERFLOW, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    return 0;
}

DWORD WINAPI SmallStack(void*) { return UseStackThenOverflow(52); }

LONG WINAPI HandleOverflow(EXCEPTION_POINTERS* e)
{
    return e->ExceptionRecord->ExceptionCode == EXCEPTION_STACK_OVERFLOW ? EXCEPTION_CONTINUE_EXECUTION
                                                                         : EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void CrashAs(const std::wstring& how)
{
    // No debugger after the dump: the process just ends.
    SetErrorMode(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS);
    InstallCrashDumpFilter();
    PrepareCrashDump();
    if (how == L"twice") {
        // An overflow something handles gets its dump; the real crash after it gets one too.
        AddVectoredExceptionHandler(0, &HandleOverflow);
        RaiseException(EXCEPTION_STACK_OVERFLOW, 0, 0, nullptr);
        volatile std::uintptr_t unmapped = 0x10;
        *reinterpret_cast<volatile int*>(unmapped) = 1;
    }
    HANDLE thread = CreateThread(nullptr, 64 * 1024, &SmallStack, nullptr, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    WaitForSingleObject(thread, INFINITE);
    ExitProcess(3);
}

// The dump a child left, or empty.
std::string DumpOfChild(const std::wstring& how, const testing_support::ScratchFolder& temp)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --gtest_filter=CrashDump.*";
    const std::wstring savedTemp = platform::EnvironmentValue(L"TMP");
    testing_support::SetEnvironmentValue(kChild, how);
    testing_support::SetEnvironmentValue(L"TMP", temp.Path());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    testing_support::SetEnvironmentValue(kChild, L"");
    testing_support::SetEnvironmentValue(L"TMP", savedTemp);
    if (!started)
        return std::string();
    ScopedHandle child(process.hProcess), thread(process.hThread);
    WaitForSingleObject(child.Get(), 60000);
    std::string bytes;
    platform::ReadFileBytes(temp.PathOf("Korvel\\VodAdado.dmp"), &bytes, 256u << 20);
    // The scratch folder removes one level only: the writer's folders go here.
    platform::RemoveFolder(temp.PathOf("Korvel\\Download"));
    platform::RemoveFolder(temp.PathOf("Korvel"));
    return bytes;
}

const MINIDUMP_EXCEPTION_STREAM* Fault(std::string& dump)
{
    using ReadStream = BOOL(WINAPI*)(PVOID, ULONG, PMINIDUMP_DIRECTORY*, PVOID*, ULONG*);
    static const auto read = reinterpret_cast<ReadStream>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"dbghelp.dll"), "MiniDumpReadDumpStream")));
    MINIDUMP_DIRECTORY* entry = nullptr;
    void* stream = nullptr;
    ULONG size = 0;
    return read && read(&dump[0], ExceptionStream, &entry, &stream, &size) && size >= sizeof(MINIDUMP_EXCEPTION_STREAM)
               ? static_cast<const MINIDUMP_EXCEPTION_STREAM*>(stream)
               : nullptr;
}

}  // namespace

TEST(CrashDump, ThePreparedWriterNamesEachFaultAndStaysReady)
{
    const std::wstring how = platform::EnvironmentValue(kChild);
    if (!how.empty())
        CrashAs(how);
    const std::pair<const wchar_t*, DWORD> cases[] = {{L"overflow", EXCEPTION_STACK_OVERFLOW},
                                                      {L"twice", EXCEPTION_ACCESS_VIOLATION}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.first)));
        testing_support::ScratchFolder temp;
        std::string dump = DumpOfChild(c.first, temp);
        ASSERT_EQ(dump.substr(0, 4), "MDMP");
        const MINIDUMP_EXCEPTION_STREAM* fault = Fault(dump);
        ASSERT_NE(fault, nullptr);
        EXPECT_EQ(fault->ExceptionRecord.ExceptionCode, c.second);
        EXPECT_NE(dump.find(kPreparedWriterMark), std::string::npos) << "written by the fallback writer";
    }
}
