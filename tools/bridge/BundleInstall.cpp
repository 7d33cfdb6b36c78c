#include "tools/bridge/BundleInstall.h"

#include <vector>

#include "bundle/Bundle.h"
#include "bundle/DeviceProfile.h"
#include "bundle/SplitChoice.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/RunToEnd.h"
#include "platform/Text.h"
#include "tools/bridge/AdbInstall.h"
#include "tools/bridge/AdbWording.h"
#include "tools/bridge/PrivateFolder.h"

namespace {

// adb says little; its last lines carry the verdict. A getprop listing is
// a few tens of kilobytes.
constexpr size_t kAdbOutputKept = 64 * 1024;
constexpr size_t kGetpropKept = 1024 * 1024;

ShimOutcome Refused(const std::string& why, const std::string& adbText = std::string())
{
    return {BoundedReport("korvel_helper: " + why, adbText), false};
}

// The phone's refusal on the first line, where the wording has none.
std::string FailureLine(const std::string& output)
{
    for (const char* mark : {"Failure [", "Error:", "Exception", "adb: "}) {
        const size_t at = output.find(mark);
        if (at != std::string::npos) {
            const size_t start = output.rfind('\n', at);
            const size_t from = start == std::string::npos ? 0 : start + 1;
            return output.substr(from, output.find('\n', at) - from);
        }
    }
    return std::string();
}

bool PushExpansion(const std::wstring& adb, const std::wstring& local, const std::string& devicePath,
                   std::string* output)
{
    const std::string folder = devicePath.substr(0, devicePath.rfind('/'));
    std::string made;
    if (!platform::RunToEnd({adb, L"shell", L"mkdir", L"-p", Utf8ToWide(folder)}, kAdbOutputKept, &made))
        return false;
    return platform::RunToEnd({adb, L"push", local, Utf8ToWide(devicePath)}, kAdbOutputKept, output) &&
           output->find("1 file pushed") != std::string::npos;
}

}  // namespace

bool StartsLikeZip(const std::wstring& path)
{
    platform::ScopedFile file = platform::OpenFile(path, "rb");
    char magic[4] = {};
    return file && std::fread(magic, 1, 4, file.get()) == 4 && magic[0] == 'P' && magic[1] == 'K' &&
           magic[2] == 3 && magic[3] == 4;
}

ShimOutcome InstallBundle(const std::wstring& adb, const std::wstring& path, bool sdCard)
{
    std::wstring temp;
    platform::TempFolder(&temp);
    const PrivateFolder folder(temp);
    if (folder.Path().empty())
        return Refused("no folder of our own could be made in the temporary folder " + WideToUtf8(temp));

    std::string props;
    if (!platform::RunToEnd({adb, L"shell", L"getprop"}, kGetpropKept, &props))
        return {AdbNotStartedReport(WideToUtf8(adb)), false};
    const DeviceProfile device = ParseGetprop(props);
    const std::string deviceTrouble = SystemWordingLine(props);
    if (device.abis.empty() && device.sdk == 0 && !deviceTrouble.empty())
        return {BoundedReport(deviceTrouble, props), false};

    const Bundle bundle = ReadBundle(path, folder.Path(), device.sdk);
    if (bundle.kind == PackageKind::Refused)
        return Refused(bundle.refusal);
    if (!bundle.problems.empty())
        return Refused(bundle.problems.front());
    const SplitChoice choice = ChooseSplits(FactsOf(bundle), device);
    if (!choice.refusal.empty())
        return Refused(choice.refusal);

    const ZipArchive archive = ZipArchive::Open(path);
    std::vector<std::wstring> files;
    for (size_t i : choice.chosen) {
        // adb hands each name to the phone's shell unquoted: plain, unique names.
        files.push_back(folder.Path() + L"split" + std::to_wstring(files.size()) + L".apk");
        if (!archive.Extract(bundle.apks[i].entry, files.back()))
            return Refused("the APK " + bundle.apks[i].entry.name + " could not be extracted (damaged, or no room)");
    }
    bool installLocationForm = false;
    std::string output;
    if (sdCard && platform::RunToEnd({adb, L"features"}, kAdbOutputKept, &output))
        installLocationForm = PhoneTakesInstallLocation(output);
    if (!platform::RunToEnd(AdbInstallMultipleArguments(adb, files, sdCard, installLocationForm), kAdbOutputKept,
                            &output))
        return {AdbNotStartedReport(WideToUtf8(adb)), false};
    if (output.find("Success") == std::string::npos) {
        const std::string wording = SystemWordingLine(output);
        return {BoundedReport(wording.empty() ? FailureLine(output) : wording, output), false};
    }

    // Expansion files stay on the primary storage even for SD-card installs:
    // games look for them there.
    std::string pushed;
    for (size_t i = 0; i < bundle.expansions.size(); ++i) {
        const BundleExpansion& obb = bundle.expansions[i];
        const std::wstring local = folder.Path() + L"obb" + std::to_wstring(i);
        std::string said;
        const bool extracted = archive.Extract(obb.entry, local);
        if (!extracted || !PushExpansion(adb, local, obb.devicePath, &said))
            return Refused("the app is installed, but its expansion file " + obb.entry.name +
                               " could not be copied to " + obb.devicePath,
                           said);
        platform::RemoveFile(local);
        pushed += said;
    }
    return {BoundedReport(std::string(), pushed + output), true};
}
