// tarvo-cli: the inspection and install engines without the window, for
// scripts and tests. Standard output carries only results; diagnostics go
// to standard error.
#include <cstdio>

#include "cli/Commands.h"
#include "platform/CommandLine.h"
#include "platform/Diagnostics.h"

const char kUsage[] =
    "usage: tarvo-cli inspect [--aapt PATH] PACKAGE\n"
    "       tarvo-cli install [--sd] [--device SERIAL|all] [--replace-other-signer] [--bridge PATH] PACKAGE...\n"
    "       tarvo-cli devices [--json] [--bridge PATH]\n";

void PrintOut(const std::string& utf8)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

namespace {

int Dispatch(const Args& all)
{
    SetDiagnosticSink(&DiagnosticToStderr);
    if (all.empty()) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    Args rest(all.begin() + 1, all.end());
    if (all[0] == L"inspect")
        return RunInspect(rest);
    if (all[0] == L"install")
        return RunInstall(rest);
    if (all[0] == L"devices")
        return RunDevices(rest);
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    Args args;
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    return Dispatch(args);
}
#else
int main(int argc, char** argv)
{
    return Dispatch(WideArguments(argc, argv));
}
#endif
