// The JSON manifests bundles carry beside their APKs: an .xapk's
// manifest.json (APKPure) and an .apkm's info.json (APKMirror). Producers
// write numbers as strings and strings as numbers, leave fields out and list
// files that are not there, so every field is optional and read tolerantly;
// the APKs' own manifests stay the truth.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Real manifests are a few kilobytes; a larger one is refused unparsed.
constexpr std::size_t kMaxBundleJsonBytes = 1024 * 1024;

struct XapkExpansion {
    std::string file;         // the entry in the bundle
    std::string installPath;  // relative to the phone's shared storage
};

struct XapkSplit {
    std::string file;  // the entry in the bundle
    std::string id;    // "base", or the split's name ("config.arm64_v8a"); may be missing
};

struct XapkManifest {
    std::string packageName;
    std::int64_t versionCode = -1;
    std::vector<XapkSplit> splits;  // split_apks, when listed
    std::vector<XapkExpansion> expansions;
};

struct ApkmInfo {
    std::string packageName;
    std::int64_t versionCode = -1;
};

// False when the text is no JSON object or is too large.
bool ParseXapkManifest(const std::string& json, XapkManifest* manifest);
// False, too, when the object has no "apkm_version" (other tools' info.json).
bool ParseApkmInfo(const std::string& json, ApkmInfo* info);

// The device path of an expansion file: "/sdcard/" + installPath, when that
// lies in Android/obb/<package>/ (no "..", no absolute or empty parts); an
// expansion without installPath goes there under its own file name. Empty
// when it would leave that folder.
std::string ExpansionDevicePath(const std::string& package, const XapkExpansion& expansion);
