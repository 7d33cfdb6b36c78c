// Scripted stand-in for adb, for the bridge tool's tests on both targets. It
// writes its arguments, one per line, to adb-args.txt beside itself (and
// "exists" when its last argument names a file), adds them as one line to
// adb-log.txt, then
// prints adb-says.txt (standard output) and adb-err.txt (standard error)
// from beside itself when they exist, and ends with status 0 as adb does on
// some failures too. A set ANDROID_SERIAL ends the line in adb-log.txt as
// " [serial=...]", the phone adb would talk to.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "TestSupport.h"
#include "platform/CommandLine.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

std::wstring Beside(const wchar_t* name) { return GetModuleDirectory() + platform::kPathSeparator + name; }

void Echo(const wchar_t* name, FILE* stream)
{
    std::string bytes;
    if (platform::ReadFileBytes(Beside(name), &bytes, 1 << 20)) {
        std::fwrite(bytes.data(), 1, bytes.size(), stream);
        std::fflush(stream);
    }
}

int Run(const std::vector<std::wstring>& args)
{
    std::string record;
    for (const std::wstring& a : args)
        record += WideToUtf8(a) + "\n";
    if (!args.empty() && platform::FileExists(args.back()))
        record += "exists\n";
    testing_support::WriteFileBytes(Beside(L"adb-args.txt"), record);
    std::string line;
    for (const std::wstring& a : args)
        line += (line.empty() ? "" : " ") + WideToUtf8(a);
    const std::wstring serial = platform::EnvironmentValue(L"ANDROID_SERIAL");
    if (!serial.empty())
        line += " [serial=" + WideToUtf8(serial) + "]";
    platform::AppendFileBytes(Beside(L"adb-log.txt"), line + "\n");
    Echo(L"adb-says.txt", stdout);
    Echo(L"adb-err.txt", stderr);
    return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return Run(std::vector<std::wstring>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
#else
int main(int argc, char** argv)
{
    return Run(WideArguments(argc, argv));
}
#endif
