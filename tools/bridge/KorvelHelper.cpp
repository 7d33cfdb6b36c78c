// The bridge tool for real phones: takes the system's install command lines
// and runs Google's adb (beside it, on PATH or in the Android SDK).
#include <cstdio>
#include <string>

#include "bundle/Bundle.h"
#include "platform/ConsoleTool.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/RunToEnd.h"
#include "platform/Text.h"
#include "tools/bridge/AdbInstall.h"
#include "tools/bridge/AdbLocator.h"
#include "tools/bridge/AdbWording.h"
#include "tools/bridge/BridgeCommand.h"
#include "tools/bridge/BundleInstall.h"
#include "tools/bridge/PrivateFolder.h"

namespace {

// adb says little; its last lines carry the verdict.
constexpr size_t kAdbOutputKept = 64 * 1024;

void Write(FILE* stream, const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.rfind(platform::kPathSeparator);
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// The package under a name adb accepts; *made tells whether it is ours to
// remove afterwards. Empty when no such name could be made.
std::wstring HandOverName(const std::wstring& package, bool* made)
{
    *made = false;
    std::wstring name = ApkNameFor(package, 0);
    if (name == package)
        return name;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = ApkNameFor(package, attempt);
        if (platform::LinkOrCopyNew(package, name)) {
            *made = true;
            return name;
        }
        if (!platform::FileExists(name))
            break;  // not a taken name: the folder or the package is the trouble
    }
    return std::wstring();
}

int Run(const std::wstring& arguments)
{
    std::wstring temp;
    if (platform::TempFolder(&temp))
        RemoveStaleFolders(temp);
    BridgeRequest request = ParseBridgeArguments(arguments);
    if (!request.valid) {
        Write(stderr, kBridgeUsage);
        return 2;
    }
    const auto candidates = AdbCandidates(FolderOf(GetModulePath()), [](const wchar_t* name) {
        return platform::EnvironmentValue(name);
    });
    const std::wstring adb = FindAdb(candidates);
    if (adb.empty()) {
        Write(stdout, AdbMissingReport(candidates));
        return 1;
    }
    if (!platform::FileExists(request.package)) {
        Write(stdout, "korvel_helper: no package at " + WideToUtf8(request.package) + "\n");
        return 1;
    }
    if (!StartsLikeZip(request.package)) {
        Write(stdout, "korvel_helper: this file is no Android package: not a ZIP archive "
                      "(an .apkm from before 2021 is encrypted and cannot be installed)\n");
        return 1;
    }
    const PackageKind kind = KindOfPackage(request.package);
    if (kind == PackageKind::Bundle || kind == PackageKind::Refused) {
        const ShimOutcome outcome = InstallBundle(adb, request.package, request.sdCard);
        Write(stdout, outcome.report);
        return outcome.success ? 0 : 1;
    }
    bool made = false;
    const std::wstring apk = HandOverName(request.package, &made);
    if (apk.empty()) {
        Write(stdout, "korvel_helper: could not give adb the package under an .apk name beside " +
                          WideToUtf8(request.package) + "\n");
        return 1;
    }
    bool installLocationForm = false;
    std::string output;
    if (request.sdCard && platform::RunToEnd({adb, L"features"}, kAdbOutputKept, &output))
        installLocationForm = PhoneTakesInstallLocation(output);
    const bool started =
        platform::RunToEnd(AdbInstallArguments(adb, apk, request.sdCard, installLocationForm), kAdbOutputKept, &output);
    if (made)
        platform::RemoveFile(apk);
    if (!started) {
        Write(stdout, AdbNotStartedReport(WideToUtf8(adb)));
        return 1;
    }
    Write(stdout, BoundedReport(SystemWordingLine(output), output));
    return output.find("Success") != std::string::npos ? 0 : 1;
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
