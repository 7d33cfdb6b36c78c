// The table of contents of a bundletool APK set (.apks): toc.pb, a
// BuildApksResult protocol buffer. Read for what the install needs: the
// variants with the SDK level each starts at, their modules with delivery
// type, and each module's split APKs by path.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A real table names a few hundred APKs; beyond these counts it is damage.
constexpr std::size_t kMaxTocBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxTocItems = 4096;

struct TocModule {
    std::string name;
    bool onDemand = false;  // delivered later by the store: not installed now
    std::vector<std::string> apks;  // split APK paths in the set
};

struct TocVariant {
    int minSdk = 0;  // the lowest SDK level the variant is for (0: any)
    bool splits = false;  // holds split APKs (others hold standalone APKs)
    std::vector<TocModule> modules;
};

struct Toc {
    std::string packageName;
    std::vector<TocVariant> variants;
    std::vector<TocModule> assetModules;  // install-time asset packs
};

// False when the bytes are no well-formed table or exceed the bounds.
bool ReadToc(const std::string& bytes, Toc* toc);

// The split variant for a phone of that SDK level: the highest minimum at
// or below it (sdk 0, unknown: the highest of all); null when none fits.
const TocVariant* ChooseVariant(const Toc& toc, int sdk);
