// The bridge tool for real phones: takes the system's install command lines
// and runs Google's adb, which the user puts beside it (or on PATH).
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "device/ConsoleRunner.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "tools/bridge/BridgeCommand.h"

namespace {

void Write(FILE* stream, const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int Run(const std::wstring& arguments)
{
    BridgeRequest request = ParseBridgeArguments(arguments);
    if (!request.valid) {
        Write(stderr, kBridgeUsage);
        return 2;
    }
    // Beside us first; otherwise the bare name lets the process layer
    // search PATH.
    std::wstring adb = GetModuleDirectory() + platform::kPathSeparator + L"adb" + platform::kExeSuffix;
    if (!platform::FileExists(adb))
        adb = L"adb";
    std::wstring output = RunUntilExit(BuildAdbCommand(adb, request), nullptr);
    if (output.empty()) {
        Write(stdout, "korvel_helper: adb printed nothing or could not be started "
                      "(put adb beside korvel_helper or on PATH)\n");
        return 1;
    }
    output = AddSystemWording(output);
    Write(stdout, WideToUtf8(output));
    return output.find(L"Success") != std::wstring::npos ? 0 : 1;
}

}  // namespace

#ifdef _WIN32
int wmain(int, wchar_t**)
{
    // adb's bytes as they came: no "\n" to "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The line as written, not the runtime's split: an unquoted package path
    // keeps its blanks exactly, however many there are.
    return Run(ArgumentsAfterProgram(GetCommandLineW()));
}
#else
int main(int argc, char** argv)
{
    // The system's line was split on blanks before it reached us; one blank
    // between the pieces puts an unquoted path back together.
    std::wstring arguments;
    for (int i = 1; i < argc; ++i)
        arguments += L" " + Utf8ToWide(argv[i]);
    return Run(arguments);
}
#endif
