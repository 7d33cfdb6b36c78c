// Package files as anything at all: what a file holds is told without a
// crash or an unbounded allocation; a bundle names one base or none, every
// APK it offers has a package name, and every expansion file goes below
// Android/obb/ of that package. Nested APKs are read from the file itself.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "bundle/Bundle.h"
#include "fuzz/FuzzCheck.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"

namespace {

std::wstring g_folder;
std::wstring g_file;

void RemoveFile() { std::remove(WideToUtf8(g_file).c_str()); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (g_file.empty()) {
        FUZZ_CHECK(platform::TempFolder(&g_folder));
        g_file = g_folder + L"tarvo-fuzz-bundle-" + std::to_wstring(getpid());
        std::atexit(RemoveFile);
    }
    FUZZ_CHECK(testing_support::WriteFileBytes(g_file, fuzz::Bytes(data, size)));
    const Bundle bundle = ReadBundle(g_file, g_folder, static_cast<int>(size % 40));
    FUZZ_CHECK((bundle.kind == PackageKind::Refused) == !bundle.refusal.empty());
    FUZZ_CHECK(bundle.apks.size() <= kMaxBundleApks);
    FUZZ_CHECK(bundle.base >= -1 && bundle.base < static_cast<int>(bundle.apks.size()));
    for (const BundleApk& apk : bundle.apks)
        FUZZ_CHECK(!apk.facts.package.empty());
    for (const BundleExpansion& e : bundle.expansions) {
        const std::string folder = "/sdcard/Android/obb/" + bundle.apks[bundle.base].facts.package + "/";
        FUZZ_CHECK(e.devicePath.compare(0, folder.size(), folder) == 0 && e.devicePath.find("..") == std::string::npos);
    }
    return 0;
}
