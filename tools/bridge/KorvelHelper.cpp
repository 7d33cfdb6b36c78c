// The bridge tool for real phones: takes the system's install command lines
// and runs Google's adb (beside it, on PATH or in the Android SDK).
#include <cstdio>
#include <string>

#include "bundle/Bundle.h"
#include "platform/ConsoleTool.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "tools/bridge/AdbDevices.h"
#include "tools/bridge/AdbInstall.h"
#include "tools/bridge/AdbLocator.h"
#include "tools/bridge/AdbWording.h"
#include "tools/bridge/BridgeCommand.h"
#include "tools/bridge/BundleInstall.h"
#include "tools/bridge/PrivateFolder.h"

namespace {

void Write(FILE* stream, const std::string& bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

bool StartsLikeZip(const std::wstring& path)
{
    platform::ScopedFile file = platform::OpenFile(path, "rb");
    char magic[4] = {};
    return file && std::fread(magic, 1, 4, file.get()) == 4 && magic[0] == 'P' && magic[1] == 'K' &&
           magic[2] == 3 && magic[3] == 4;
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
    const bool listing = IsDevicesVerb(arguments);
    if (!request.valid && !listing) {
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
    if (listing) {
        std::string report;
        const int status = ReportPhones(adb, &report);
        Write(stdout, report);
        return status;
    }
    if (!platform::FileExists(request.package)) {
        Write(stdout, BoundedReport("korvel_helper: no package at the path given", WideToUtf8(request.package)));
        return 1;
    }
    Bundle package = OpenPackage(request.package);
    const bool replace = platform::EnvironmentValue(kReplaceOtherSignerVariable) == L"1";
    if (package.kind == PackageKind::Bundle) {
        const ShimOutcome outcome = InstallBundle(adb, &package, request.sdCard, replace);
        Write(stdout, outcome.report);
        return outcome.success ? 0 : 1;
    }
    // A file that starts as a ZIP but does not open as one goes to the
    // phone, which judges packages; anything else is no package at all.
    if (package.refusal && !(package.kind == PackageKind::NotArchive && StartsLikeZip(request.package))) {
        Write(stdout, Refused(package.refusal).report);
        return 1;
    }
    bool made = false;
    const std::wstring apk = HandOverName(request.package, &made);
    if (apk.empty()) {
        Write(stdout, BoundedReport("korvel_helper: could not give adb the package under an .apk name beside it",
                                    WideToUtf8(request.package)));
        return 1;
    }
    const ShimOutcome outcome = InstallOne(adb, apk, request.sdCard, replace ? PackageNameOf(&package) : std::string());
    if (made)
        platform::RemoveFile(apk);
    Write(stdout, outcome.report);
    return outcome.success ? 0 : 1;
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
