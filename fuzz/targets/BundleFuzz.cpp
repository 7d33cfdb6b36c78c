// Package files as anything at all, and a phone's answer as anything at
// all: what a file holds is told without a crash or an unbounded
// allocation; a bundle names one base or none, and every expansion file
// goes below Android/obb/<package>/ with no "." or ".." part. Whatever the
// bundle holds and whatever the phone says, the shim's report reads as a
// success only when the phone said "Success" on a line of its own and the
// bundle was not refused: names from the bundle or the phone never decide.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "bundle/Bundle.h"
#include "bundle/SplitChoice.h"
#include "device/InstallResult.h"
#include "fuzz/FuzzCheck.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "tools/bridge/AdbWording.h"
#include "tools/bridge/BundleInstall.h"

namespace {

std::wstring g_folder;
std::wstring g_file;

void RemoveFile() { std::remove(WideToUtf8(g_file).c_str()); }

bool PartsAreNames(const std::string& path)
{
    for (size_t at = 0; at <= path.size();) {
        size_t slash = path.find('/', at);
        if (slash == std::string::npos)
            slash = path.size();
        const std::string part = path.substr(at, slash - at);
        if (part.empty() || part == "." || part == "..")
            return false;
        at = slash + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (g_file.empty()) {
        FUZZ_CHECK(platform::TempFolder(&g_folder));
        g_file = g_folder + L"tarvo-fuzz-bundle-" + std::to_wstring(getpid());
        std::atexit(RemoveFile);
    }
    // The bundle, then after the last marker the phone's answer; without
    // one (a seed bundle) an answer of the kind that once fooled us.
    static const char kMarker[] = "\n--phone--\n";
    static const char* const kAnswers[] = {"Success\n", "Failure [INSTALL_FAILED_INVALID_APK: com.Success.app]\n",
                                           "adb: failed to install /tmp/Success.apk: device not found\n", ""};
    const std::string input = fuzz::Bytes(data, size);
    const size_t marker = input.rfind(kMarker);
    const std::string answer = marker == std::string::npos ? std::string(kAnswers[size % 4])
                                                           : input.substr(marker + sizeof kMarker - 1);
    FUZZ_CHECK(testing_support::WriteFileBytes(g_file, input.substr(0, marker)));
    DeviceProfile phone;
    phone.sdk = static_cast<int>(size % 40);
    const Bundle bundle = ReadBundle(g_file, phone);
    FUZZ_CHECK((bundle.kind == PackageKind::Refused) <= static_cast<bool>(bundle.refusal));
    FUZZ_CHECK(bundle.apks.size() <= kMaxBundleApks && bundle.expansions.size() <= kMaxExpansions);
    FUZZ_CHECK(bundle.base >= -1 && bundle.base < static_cast<int>(bundle.apks.size()));
    for (const BundleExpansion& e : bundle.expansions) {
        const std::string folder = "/sdcard/Android/obb/" + bundle.apks[bundle.base].facts.package + "/";
        FUZZ_CHECK(e.devicePath.compare(0, folder.size(), folder) == 0);
        FUZZ_CHECK(PartsAreNames(e.devicePath.substr(1)));
    }

    const SplitChoice choice = ChooseSplits(bundle, phone);
    const std::string report = choice.refusal ? Refused(choice.refusal, answer).report : AdbReport(answer);
    const InstallResult result = ClassifyInstallOutput(Utf8ToWide(report));
    FUZZ_CHECK((result == InstallSuccess) == (!choice.refusal && AdbSucceeded(answer)));
    return 0;
}
