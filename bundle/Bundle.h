// What a package file holds, told by its content, never by its name: a
// plain APK (a ZIP with a top-level AndroidManifest.xml), or a bundle of
// split APKs (.apks from bundletool, .xapk from APKPure, .apkm from
// APKMirror, or any ZIP of APKs), or something refused with a reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bundle/ApkFacts.h"
#include "bundle/ZipArchive.h"

// Bounds for damaged or hostile bundles: real ones hold a few dozen APKs
// among at most a few thousand entries.
constexpr std::size_t kMaxBundleEntries = 65536;
constexpr std::size_t kMaxBundleApks = 512;
// No real split's compiled manifest comes near this.
constexpr std::size_t kMaxManifestBytes = 8 * 1024 * 1024;
// A deflated APK inside a bundle is inflated whole to reach its manifest;
// beyond this many bytes in all, further ones are not read (a bundle of
// bombs must not keep the disk busy for hours).
constexpr std::uint64_t kMaxInflatedBytes = 4ull * 1024 * 1024 * 1024;

enum class PackageKind {
    NotArchive,  // not a ZIP at all (a damaged file, an encrypted .apkm)
    Apk,         // read it as one package
    Bundle,
    Refused,     // an archive we know and will not install (see refusal)
};

struct BundleApk {
    ZipEntry entry;
    ApkFacts facts;
};

struct BundleExpansion {
    ZipEntry entry;
    std::string devicePath;  // where on the phone it goes
};

struct Bundle {
    PackageKind kind = PackageKind::NotArchive;
    std::string format;   // "apks", "xapk", "apkm", "apk set"
    std::string refusal;  // PackageKind::Refused: why
    // The APKs the phone may get (the chosen .apks variant, on-demand
    // modules left out), each with its manifest's facts.
    std::vector<BundleApk> apks;
    int base = -1;  // index into apks of the one base; -1 none or several
    std::vector<BundleExpansion> expansions;
    bool hasIcon = false;  // a top-level icon.png, as .xapk and .apkm carry
    // What stops an install though the bundle can be shown: a listed file
    // that is missing, a damaged APK, an expansion path leaving its folder.
    std::vector<std::string> problems;
};

// Called for each APK of a bundle while it is open, after its facts are read.
using BundleApkVisitor = std::function<void(const BundleApk&, const ZipArchive&)>;

// Reads what `path` holds. Nested APKs are read in place when stored, or
// inflated one at a time into scratchFolder (and removed). `sdk` picks the
// .apks variant (0: the newest).
Bundle ReadBundle(const std::wstring& path, const std::wstring& scratchFolder, int sdk,
                  const BundleApkVisitor& visit = BundleApkVisitor());

// The facts of the bundle's APKs, in its order.
std::vector<ApkFacts> FactsOf(const Bundle& bundle);

// What the file holds, without reading the APKs inside a bundle.
PackageKind KindOfPackage(const std::wstring& path);

// The top-level name of an .aab's module layout, to refuse one by content.
bool LooksLikeAppBundle(const std::vector<ZipEntry>& entries);
