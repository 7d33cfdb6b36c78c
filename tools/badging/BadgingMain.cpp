// Our own `aapt d badging`: reads a package with no Android SDK.
#include <cstdio>
#include <string>

#include "platform/ConsoleTool.h"
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
    return Run(ConsoleToolArguments());
}
#else
int main(int argc, char** argv)
{
    return Run(ConsoleToolArguments(argc, argv));
}
#endif
