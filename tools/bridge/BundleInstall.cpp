#include "tools/bridge/BundleInstall.h"

#include <algorithm>
#include <vector>

#include "bundle/Bundle.h"
#include "bundle/DeviceProfile.h"
#include "bundle/SplitChoice.h"
#include "platform/Files.h"
#include "platform/RunToEnd.h"
#include "platform/Text.h"
#include "tools/bridge/AdbInstall.h"
#include "tools/bridge/AdbWording.h"
#include "tools/bridge/FailureReason.h"
#include "tools/bridge/PrivateFolder.h"

namespace {

// adb says little; its last lines carry the verdict. A getprop listing is
// a few tens of kilobytes.
constexpr size_t kAdbOutputKept = 64 * 1024;
constexpr size_t kGetpropKept = 1024 * 1024;

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

// Whether the phone takes "--install-location 2" (else the old "-s").
bool InstallLocationForm(const std::wstring& adb, bool sdCard)
{
    std::string features;
    return sdCard && platform::RunToEnd({adb, L"features"}, kAdbOutputKept, &features) &&
           PhoneTakesInstallLocation(features);
}

ShimOutcome Answer(const std::wstring& adb, const std::vector<std::wstring>& args)
{
    std::string output;
    if (!platform::RunToEnd(args, kAdbOutputKept, &output))
        return {AdbNotStartedReport(WideToUtf8(adb)), false};
    return {AdbReport(output, FailureReasonLine(output)), AdbSucceeded(output)};
}

// Only a name the package manager could have given is ever passed to adb.
bool PlainPackageName(const std::string& name)
{
    return !name.empty() && name.size() <= 255 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
    });
}

// What adb said to the uninstall goes nowhere: the install that follows
// says whether the way is clear.
void Uninstall(const std::wstring& adb, const std::string& package)
{
    std::string said;
    if (PlainPackageName(package))
        platform::RunToEnd({adb, L"uninstall", Utf8ToWide(package)}, kAdbOutputKept, &said);
}

}  // namespace

std::string PackageNameOf(Bundle* package)
{
    ZipEntry manifest;
    std::string bytes;
    ApkFacts facts;
    return package->archive.Find("AndroidManifest.xml", &manifest) &&
                   package->archive.Read(manifest, kMaxNestedEntryBytes, &bytes) && ReadApkFacts(bytes, &facts)
               ? facts.package
               : std::string();
}

ShimOutcome Refused(const Refusal& refusal, const std::string& outsideText)
{
    return {BoundedReport(RefusalLine(refusal), outsideText), false};
}

ShimOutcome InstallOne(const std::wstring& adb, const std::wstring& apk, bool sdCard, const std::string& replaced)
{
    if (!replaced.empty())
        Uninstall(adb, replaced);
    return Answer(adb, AdbInstallArguments(adb, apk, sdCard, InstallLocationForm(adb, sdCard)));
}

ShimOutcome InstallBundle(const std::wstring& adb, Bundle* bundle, bool sdCard, bool replace)
{
    std::wstring temp;
    platform::TempFolder(&temp);
    const PrivateFolder folder(temp);
    if (folder.Path().empty())
        return Refused(RefusalCode::NoFolder);

    std::string props;
    if (!platform::RunToEnd({adb, L"shell", L"getprop"}, kGetpropKept, &props))
        return {AdbNotStartedReport(WideToUtf8(adb)), false};
    const DeviceProfile device = ParseGetprop(props);
    // No phone to ask: adb's words say why (none, several, unauthorized).
    if (device.abis.empty() && device.sdk == 0 && !AdbSucceeded(props) && !ResultLine(props).empty())
        return {AdbReport(props, FailureReasonLine(props)), false};

    ReadBundleApks(bundle, device);
    const SplitChoice choice = ChooseSplits(*bundle, device);
    if (choice.refusal)
        return Refused(choice.refusal);

    std::vector<std::wstring> files;
    for (size_t i : choice.chosen) {
        // adb hands each name to the phone's shell unquoted: plain, unique names.
        files.push_back(folder.Path() + L"split" + std::to_wstring(files.size()) + L".apk");
        if (!bundle->archive.Extract(bundle->apks[i].entry, files.back()))
            return Refused(Refusal(RefusalCode::NotExtracted, bundle->apks[i].entry.name));
    }
    // One whole APK (universal, standalone, or a base alone) installs as any
    // package does; install-multiple is for splits, and phones before
    // Android 5 have none.
    if (replace && bundle->base >= 0)
        Uninstall(adb, bundle->apks[bundle->base].facts.package);
    const bool location = InstallLocationForm(adb, sdCard);
    const ShimOutcome installed =
        Answer(adb, files.size() == 1 ? AdbInstallArguments(adb, files[0], sdCard, location)
                                      : AdbInstallMultipleArguments(adb, files, sdCard, location));
    if (!installed.success)
        return installed;

    // Expansion files stay on the primary storage even for SD-card installs:
    // games look for them there.
    for (size_t i = 0; i < bundle->expansions.size(); ++i) {
        const BundleExpansion& obb = bundle->expansions[i];
        const std::wstring local = folder.Path() + L"obb" + std::to_wstring(i);
        std::string said;
        if (!bundle->archive.Extract(obb.entry, local) || !PushExpansion(adb, local, obb.devicePath, &said))
            return Refused(Refusal(RefusalCode::ExpansionNotCopied, obb.devicePath), said);
        platform::RemoveFile(local);
    }
    return installed;
}
