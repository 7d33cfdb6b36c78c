// Our own `aapt d badging`: reads a package with no Android SDK.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "platform/CommandLine.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "tools/badging/BadgingArguments.h"
#include "tools/badging/PackageFiles.h"

namespace {

void Write(FILE* stream, const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int Run(const std::wstring& arguments)
{
    std::wstring package;
    if (!ParseBadgingArguments(arguments, &package)) {
        Write(stderr, kBadgingUsage);
        return 2;
    }
    const BadgingReport report = DumpBadging(ReadPackageFiles(package));
    Write(stdout, report.out);
    Write(stderr, report.err);
    return report.status;
}

}  // namespace

#ifdef _WIN32
int wmain(int, wchar_t**)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The line as Windows passes it: our own path may stand unquoted with
    // its blanks ("C:\Program Files\..."), which the runtime's split breaks.
    return Run(ArgumentsAfterProgram(GetCommandLineW(), GetModulePath()));
}
#else
int main(int argc, char** argv)
{
    std::wstring arguments;
    for (const std::wstring& a : WideArguments(argc, argv))
        arguments += L" " + (a.find(L' ') != std::wstring::npos ? L"\"" + a + L"\"" : a);
    return Run(arguments);
}
#endif
