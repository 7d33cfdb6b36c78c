#include "platform/Diagnostics.h"

#include <atomic>
#include <cstdio>

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

}  // namespace

void DiagnosticToStdout(const std::wstring& line) { WriteLine(stdout, line); }
void DiagnosticToStderr(const std::wstring& line) { WriteLine(stderr, line); }

void WriteDiagnostic(const std::wstring& line)
{
    g_sink.load()(line);
}

DiagnosticSink SetDiagnosticSink(DiagnosticSink sink)
{
    return g_sink.exchange(sink ? sink : &DiagnosticToStdout);
}
