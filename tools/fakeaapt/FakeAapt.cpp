// Stand-in for the inspection tool in Windows tests: `aapt d badging PACKAGE`
// (or `dump badging`) replays the output the real tool once printed for a package with the same
// bytes, so a temporary copy of a package answers like the original.
//
// Replay folder: $TARVO_FAKE_AAPT_REPLAY, else "aapt-replay" beside this
// program. It holds manifest.tsv (tab-separated, header line starting with
// '#', columns "#file" and "badging" naming a package and its captured
// output, both relative to the folder), as the package corpus does.
//
// Scripted behaviour, from the environment (Wine passes it through):
//   TARVO_FAKE_AAPT_MODE=silent         print nothing
//   (any other mode is refused with a message, exit status 2)
//   TARVO_FAKE_AAPT_FAIL_PATH=TEXT      report "ERROR: dump failed" when the
//                                       package path contains TEXT (as the
//                                       real tool did on odd paths)
// A package that cannot be read gets the real tool's "assets could not be
// loaded" failure; one whose bytes match no captured package gets a message
// without "ERROR: dump failed".
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "platform/CommandLine.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/TextSplit.h"

namespace {

// Packages and captured outputs of the corpus are far smaller.
constexpr size_t kMaxFileBytes = 64u * 1024u * 1024u;

void Write(FILE* stream, const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int DumpFailed(const std::wstring& package)
{
    // Worded as the real tool words an archive it cannot open.
    Write(stderr, "zipro W 01-01 00:00:00 1 1 Error opening archive " + WideToUtf8(package) + ": Invalid file\n"
                  "ERROR: dump failed because no AndroidManifest.xml found\n");
    return 1;
}

std::wstring InFolder(const std::wstring& folder, const std::string& relative)
{
    std::wstring path = Utf8ToWide(relative);
    for (wchar_t& c : path)
        if (c == L'/')
            c = platform::kPathSeparator;
    return folder + platform::kPathSeparator + path;
}

// Captured output of the package whose bytes equal `package`; false if none.
bool FindCaptured(const std::wstring& folder, const std::string& package, std::string* output)
{
    std::string manifest;
    if (!platform::ReadFileBytes(InFolder(folder, "manifest.tsv"), &manifest, kMaxFileBytes))
        return false;
    size_t fileColumn = std::string::npos, badgingColumn = std::string::npos;
    for (const std::string& line : platform::SplitLines(manifest)) {
        std::vector<std::string> cells = platform::SplitOn(line, '\t');
        if (!line.empty() && line[0] == '#') {
            for (size_t i = 0; i < cells.size(); ++i) {
                if (cells[i] == "#file")
                    fileColumn = i;
                else if (cells[i] == "badging")
                    badgingColumn = i;
            }
            continue;
        }
        if (fileColumn >= cells.size() || badgingColumn >= cells.size())
            continue;
        std::string candidate;
        if (!platform::ReadFileBytes(InFolder(folder, cells[fileColumn]), &candidate, kMaxFileBytes))
            continue;
        if (candidate == package)
            return platform::ReadFileBytes(InFolder(folder, cells[badgingColumn]), output, kMaxFileBytes);
    }
    return false;
}

int Run(const std::vector<std::wstring>& args)
{
    if (args.size() != 4 || (args[1] != L"d" && args[1] != L"dump") || args[2] != L"badging") {
        Write(stderr, "usage: aapt d badging PACKAGE (replaying test double)\n");
        return 2;
    }
    const std::wstring& package = args[3];
    std::wstring mode = platform::EnvironmentValue(L"TARVO_FAKE_AAPT_MODE");
    if (mode == L"silent")
        return 0;
    // A misspelt mode must not pass for a normal run.
    if (!mode.empty()) {
        Write(stderr, "fake aapt: unknown TARVO_FAKE_AAPT_MODE " + WideToUtf8(mode) + "\n");
        return 2;
    }
    std::wstring failPath = platform::EnvironmentValue(L"TARVO_FAKE_AAPT_FAIL_PATH");
    if (!failPath.empty() && package.find(failPath) != std::wstring::npos)
        return DumpFailed(package);

    std::string bytes;
    if (!platform::ReadFileBytes(package, &bytes, kMaxFileBytes)) {
        Write(stderr, "asset W 01-01 00:00:00 1 1 Asset path " + WideToUtf8(package) +
                          " is neither a directory nor file (type=1).\n"
                      "ERROR: dump failed because assets could not be loaded\n");
        return 1;
    }
    std::wstring folder = platform::EnvironmentValue(L"TARVO_FAKE_AAPT_REPLAY");
    if (folder.empty())
        folder = GetModuleDirectory() + platform::kPathSeparator + L"aapt-replay";
    std::string output;
    if (!FindCaptured(folder, bytes, &output)) {
        Write(stderr, "fake aapt: no captured output for " + WideToUtf8(package) + "\n");
        return 1;
    }
    Write(stdout, output);
    return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    // The captured bytes exactly: no "\n" to "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return Run(std::vector<std::wstring>(argv, argv + argc));
}
#else
int main(int argc, char** argv)
{
    return Run(WideArguments(argc, argv, 0));
}
#endif
