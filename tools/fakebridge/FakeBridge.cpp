// Stand-in for the bridge tool in tests: each call appends its command line
// to a log and plays one line of a script, so tests decide what "the
// device" answers and check what the program asked for.
//
// Script: TARVO_FAKEBRIDGE_SCRIPT names a UTF-8 file (else
// korvel_helper.script beside this program). Call n plays line n (counted
// by the lines already in the log); after the last line the last one
// repeats; no script means "success". A line is blank-separated words,
// played in order:
//   success nodevice multiple certificates exists storage nospace dexopt
//   invalid        the bridge's answer for that outcome
//   silent         nothing (the same as an empty line)
//   say:TEXT       TEXT and a line end
//   sleep:MS       a delay
//   hang           run on until the release file appears (cap: two
//                  minutes), then remove it
//   mark           create the mark file (all before it has been written)
// Log: TARVO_FAKEBRIDGE_LOG (else korvel_helper.log beside this program),
// one UTF-8 line per call, followed by a tab and "ANDROID_SERIAL=value"
// when that variable is set. Release and mark files: the log's path +
// ".release" and ".mark".
// `devices` plays no script: it prints the log's path + ".phones" (the
// bridge's phone list, as written) and logs to the log's path + ".devices".
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "TestSupport.h"

namespace {

// Logs and scripts of a test are far smaller.
constexpr size_t kMaxFileBytes = 16u * 1024u * 1024u;

// Empty when the file is missing.
std::string ReadAll(const std::wstring& path)
{
    std::string bytes;
    if (!platform::ReadFileBytes(path, &bytes, kMaxFileBytes))
        bytes.clear();
    return bytes;
}

void Write(FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void Pause(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string BaseName(const std::string& path)
{
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Plays one word; returns false for an unknown word.
bool Play(const std::string& word, const std::string& package, const std::wstring& releaseFile,
          const std::wstring& markFile)
{
    const std::string remote = "/data/local/tmp/" + BaseName(package);
    if (word == "success") {
        Write(stdout, "3101 KB/s (24611 bytes in 0.007s)\r\n\tpkg: " + remote + "\r\nSuccess\r\n");
    } else if (word == "nodevice") {
        Write(stderr, "error: device not found\r\n");
    } else if (word == "multiple") {
        Write(stderr, "error: more than one device and emulator\r\n");
    } else if (word == "certificates") {
        Write(stdout, "\tpkg: " + remote + "\r\nFailure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]\r\n");
    } else if (word == "exists") {
        Write(stdout, "\tpkg: " + remote + "\r\nFailure [INSTALL_FAILED_ALREADY_EXISTS]\r\n");
    } else if (word == "storage") {
        Write(stdout, "\tpkg: " + remote + "\r\nFailure [INSTALL_FAILED_INSUFFICIENT_STORAGE]\r\n");
    } else if (word == "nospace") {
        Write(stderr, "failed to copy '" + package + "' to '" + remote + "': No space left on device\r\n");
    } else if (word == "dexopt") {
        Write(stdout, "\tpkg: " + remote + "\r\nFailure [INSTALL_FAILED_DEXOPT]\r\n");
    } else if (word == "invalid") {
        Write(stdout, "\tpkg: " + remote + "\r\nFailure [INSTALL_FAILED_INVALID_APK]\r\n");
    } else if (word == "silent") {
    } else if (word.compare(0, 4, "say:") == 0) {
        Write(stdout, word.substr(4) + "\r\n");
    } else if (word.compare(0, 6, "sleep:") == 0) {
        Pause(std::strtol(word.c_str() + 6, nullptr, 10));
    } else if (word == "mark") {
        testing_support::WriteFileBytes(markFile, "");
    } else if (word == "hang") {
        for (int waited = 0; waited < 120000 && !platform::FileExists(releaseFile); waited += 50)
            Pause(50);
        // Taken: the next hanging call waits for its own release.
        platform::RemoveFile(releaseFile);
    } else {
        return false;
    }
    return true;
}

int Run(const std::string& commandLine, const std::string& package, bool isDevices)
{
    const std::wstring beside = GetModuleDirectory() + platform::kPathSeparator;
    std::wstring scriptPath = platform::EnvironmentValue(L"TARVO_FAKEBRIDGE_SCRIPT");
    if (scriptPath.empty())
        scriptPath = beside + L"korvel_helper.script";
    std::wstring logPath = platform::EnvironmentValue(L"TARVO_FAKEBRIDGE_LOG");
    if (logPath.empty())
        logPath = beside + L"korvel_helper.log";

    const std::wstring serial = platform::EnvironmentValue(L"ANDROID_SERIAL");
    const std::string logged = commandLine + (serial.empty() ? "" : "\tANDROID_SERIAL=" + WideToUtf8(serial)) + "\n";
    if (isDevices) {
        platform::AppendFileBytes(logPath + L".devices", logged);
        Write(stdout, ReadAll(logPath + L".phones"));
        return 0;
    }
    size_t call = testing_support::SplitLines(ReadAll(logPath)).size();
    platform::AppendFileBytes(logPath, logged);

    std::vector<std::string> script = testing_support::SplitLines(ReadAll(scriptPath));
    std::string line = script.empty() ? "success" : script[call < script.size() ? call : script.size() - 1];
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        if (!Play(word, package, logPath + L".release", logPath + L".mark")) {
            Write(stderr, "korvel_helper (fake): unknown script word: " + word + "\r\n");
            return 3;
        }
    }
    return 0;
}

// The package is everything after "-r": the program never quotes it.
std::string PackageOf(const std::vector<std::string>& args)
{
    std::string package;
    bool after = false;
    for (const std::string& a : args) {
        if (after)
            package += (package.empty() ? "" : " ") + a;
        else if (a == "-r")
            after = true;
    }
    return package;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(WideToUtf8(argv[i]));
    // The exact line the program passed, blanks and all.
    return Run(WideToUtf8(GetCommandLineW()), PackageOf(args), args.size() == 1 && args[0] == "devices");
}
#else
int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::string line = argc > 0 ? argv[0] : "";
    for (const std::string& a : args)
        line += " " + a;
    return Run(line, PackageOf(args), args.size() == 1 && args[0] == "devices");
}
#endif
