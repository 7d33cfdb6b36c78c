// An .xapk's manifest.json and an .apkm's info.json as anything at all:
// parsing never throws, and an expansion path the manifest gives is either
// refused or lies below Android/obb/<package>/ with plain names only.
#include "bundle/BundleManifest.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::Bytes(data, size);
    XapkManifest manifest;
    if (ParseXapkManifest(text, &manifest)) {
        for (const XapkExpansion& e : manifest.expansions) {
            const std::string path = ExpansionDevicePath(manifest.packageName, e);
            if (path.empty())
                continue;
            const std::string folder = "/sdcard/Android/obb/" + manifest.packageName + "/";
            FUZZ_CHECK(path.compare(0, folder.size(), folder) == 0);
            FUZZ_CHECK(path.find("/../") == std::string::npos && path.find("/./") == std::string::npos);
            FUZZ_CHECK(path.find("//") == std::string::npos && path.back() != '/');
            FUZZ_CHECK(path.find_first_of(" '\"\\;&|$`") == std::string::npos);
        }
    }
    ApkmInfo info;
    ParseApkmInfo(text, &info);
    return 0;
}
