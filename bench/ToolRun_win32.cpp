#include "bench/ToolRun.h"

#include <windows.h>

#include <vector>

#include "bench/BenchStats.h"
#include "platform/ScopedWin.h"

namespace bench {

namespace {

struct PipeReader {
    HANDLE pipe;
    std::string* output;
};

DWORD WINAPI ReadToEnd(void* param)
{
    auto* reader = static_cast<PipeReader*>(param);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(reader->pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        reader->output->append(buffer, got);
    return 0;
}

}  // namespace

bool RunToolAlone(const std::wstring& commandLine, std::string* output, double* ms)
{
    output->clear();
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    ScopedHandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Out(), writeEnd.Out(), &inherit, 0))
        return false;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    si.hStdOutput = writeEnd.Get();
    si.hStdError = writeEnd.Get();
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    Stopwatch clock;
    // Started as the program starts its tools (same flags), so only the
    // way the output is collected differs.
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si,
                        &pi))
        return false;
    ScopedHandle process(pi.hProcess), thread(pi.hThread);
    // Only the tool holds the write end now, so the reader ends with it.
    writeEnd.Reset();
    PipeReader job = {readEnd.Get(), output};
    ScopedHandle reader(CreateThread(nullptr, 0, &ReadToEnd, &job, 0, nullptr));
    if (!reader.Valid())
        ReadToEnd(&job);
    WaitForSingleObject(process.Get(), INFINITE);
    *ms = clock.Ms();
    if (reader.Valid())
        WaitForSingleObject(reader.Get(), INFINITE);
    return true;
}

}  // namespace bench
