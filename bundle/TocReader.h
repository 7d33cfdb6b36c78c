// The table of contents of a bundletool APK set (.apks): toc.pb, a
// BuildApksResult protocol buffer. Read for what an install needs, as
// bundletool's own install-apks matches it: the variants with the SDK level,
// processors and screen density each is for, their modules with delivery
// type and dependencies, each module's APKs by path, and the asset packs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bundle/DeviceProfile.h"
#include "bundle/Refusal.h"

// A real table names a few hundred APKs; beyond these counts it is damage.
constexpr std::size_t kMaxTocBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxTocItems = 4096;

enum class TocDelivery { InstallTime, OnDemand, FastFollow };

struct TocApk {
    std::string path;     // the entry in the set
    std::string splitId;  // the split's name ("config.xxhdpi"); empty for a master or a standalone APK
};

struct TocModule {
    std::string name;
    TocDelivery delivery = TocDelivery::InstallTime;
    std::vector<std::string> dependencies;
    std::vector<TocApk> apks;
};

struct TocVariant {
    int minSdk = 0;                 // the lowest SDK level it is for (0: any)
    std::vector<std::string> abis;  // the processors it is for, as split names write them; empty: any
    int density = 0;                // the screen it is for in dpi; 0: any
    bool standalone = false;        // one whole APK (universal, or for phones before Android 5)
    std::vector<TocModule> modules;
};

struct Toc {
    std::string packageName;
    std::vector<TocVariant> variants;
    std::vector<TocModule> assetModules;  // asset packs; their APKs are slices
};

// False when the bytes are no well-formed table or exceed the bounds.
bool ReadToc(const std::string& bytes, Toc* toc);

// The variant bundletool would install on this phone: the highest SDK
// level at or below the phone's (unknown: the highest of all), then the
// phone's first processor, then Android's density rule. Null, with
// PhoneTooOld naming the lowest level, when the phone is older than all.
const TocVariant* ChooseVariant(const Toc& toc, const DeviceProfile& device, Refusal* refusal);

// The paths of what that phone gets: every install-time module of the
// variant with the modules it depends on, and the install-time asset packs.
std::vector<TocApk> InstallTimeApks(const Toc& toc, const TocVariant& variant);
