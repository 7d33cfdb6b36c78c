#include "platform/Diagnostics.h"

#include <atomic>
#include <cstdio>
#include <mutex>

#include "platform/FileBytes.h"
#include "platform/Text.h"

namespace {

std::atomic<DiagnosticSink> g_sink{&DiagnosticToStdout};

void WriteLine(FILE* stream, const std::wstring& line)
{
    std::string bytes = WideToUtf8(line);
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

// Lines come from the window's thread and the install worker alike; each
// is appended whole, so the file is never held open between lines.
std::mutex g_fileLock;
std::wstring g_filePath;

void DiagnosticToFile(const std::wstring& line)
{
    std::lock_guard<std::mutex> hold(g_fileLock);
    platform::AppendFileBytes(g_filePath, WideToUtf8(line) + "\n");
}

}  // namespace

bool SetDiagnosticFile(const std::wstring& path)
{
    if (!platform::AppendFileBytes(path, std::string()))
        return false;
    {
        std::lock_guard<std::mutex> hold(g_fileLock);
        g_filePath = path;
    }
    SetDiagnosticSink(&DiagnosticToFile);
    return true;
}

void DiagnosticToStdout(const std::wstring& line) { WriteLine(stdout, line); }
void DiagnosticToStderr(const std::wstring& line) { WriteLine(stderr, line); }
void DiagnosticDiscard(const std::wstring&) {}

void WriteDiagnostic(const std::wstring& line)
{
    g_sink.load()(line);
}

DiagnosticSink SetDiagnosticSink(DiagnosticSink sink)
{
    return g_sink.exchange(sink ? sink : &DiagnosticToStdout);
}
