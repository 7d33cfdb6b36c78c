// Package archives as anything at all, through the road a package icon
// takes: reading the icon entry ends with a plain yes or no, a yes comes
// with bytes within the size bound, two reads of the same file agree byte
// for byte (no uninitialised memory), and the bytes read decode into
// exactly the pixels their size says, or are refused.
//
// The icon's entry name reaches the reader the way it does in the program,
// through an inspection: a one-line stand-in tool, made once per process,
// names the corpus packages' icon entry.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "TestSupport.h"
#include "fuzz/FuzzCheck.h"
#include "inspect/PackageIconReader.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "toolkit/skins/PngDecoder.h"

namespace {

const wchar_t kIconEntry[] = L"res/drawable/icon.png";

std::wstring g_tool;
std::wstring g_archive;

void Quiet(const std::wstring&) {}

void RemoveFiles()
{
    std::remove(WideToUtf8(g_tool).c_str());
    std::remove(WideToUtf8(g_archive).c_str());
}

const PackageInfo& Package()
{
    static const PackageInfo package = [] {
        SetDiagnosticSink(&Quiet);
        std::wstring folder;
        FUZZ_CHECK(platform::TempFolder(&folder));
        const std::wstring stem = folder + L"tarvo-fuzz-icon-" + std::to_wstring(getpid());
        g_tool = stem + L"-aapt";
        g_archive = stem + L".apk";
        std::atexit(RemoveFiles);
        FUZZ_CHECK(testing_support::WriteFileBytes(
            g_tool, "#!/bin/sh\necho \"application: label='fuzz' icon='" + WideToUtf8(kIconEntry) + "'\"\n"));
        FUZZ_CHECK(chmod(WideToUtf8(g_tool).c_str(), 0755) == 0);
        FUZZ_CHECK(testing_support::WriteFileBytes(g_archive, std::string()));
        PackageInfo inspected(g_tool, g_archive);
        FUZZ_CHECK(inspected.GetIconPath() == kIconEntry);
        return inspected;
    }();
    return package;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const PackageInfo& package = Package();
    FUZZ_CHECK(testing_support::WriteFileBytes(g_archive, fuzz::Bytes(data, size)));

    PackageIconReader first(package);
    const bool read = first.ReadIcon();
    if (read) {
        FUZZ_CHECK(first.GetIconData() != nullptr);
        FUZZ_CHECK(first.GetIconSize() > 0 && first.GetIconSize() <= kMaxIconBytes);
    }
    PackageIconReader second(package);
    FUZZ_CHECK(second.ReadIcon() == read);
    if (read) {
        FUZZ_CHECK(second.GetIconSize() == first.GetIconSize());
        FUZZ_CHECK(std::memcmp(first.GetIconData(), second.GetIconData(), first.GetIconSize()) == 0);
        PngPixels pixels;
        if (DecodePng(first.GetIconData(), first.GetIconSize(), &pixels) == PngResult::Ok) {
            FUZZ_CHECK(pixels.width > 0 && pixels.height > 0 &&
                       static_cast<int64_t>(pixels.width) * pixels.height <= kPngMaxPixels);
            FUZZ_CHECK(pixels.bgra.size() == static_cast<size_t>(pixels.width) * pixels.height * 4);
        } else {
            FUZZ_CHECK(pixels.bgra.empty());
        }
    }
    return 0;
}
