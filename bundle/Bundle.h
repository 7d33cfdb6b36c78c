// What a package file holds, told by its content, never by its name: a
// plain APK (a ZIP with a top-level AndroidManifest.xml), or a bundle of
// split APKs (.apks from bundletool, .xapk from APKPure, .apkm from
// APKMirror, or any ZIP of APKs), or something refused with a reason.
// The file is opened and listed once; the bundle keeps it open for the
// reading and extracting that follow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bundle/ApkFacts.h"
#include "bundle/BundleManifest.h"
#include "bundle/DeviceProfile.h"
#include "bundle/Refusal.h"
#include "bundle/TocReader.h"
#include "bundle/ZipArchive.h"

// Bounds for damaged or hostile bundles: real ones hold a few dozen APKs
// among at most a few thousand entries.
constexpr std::size_t kMaxBundleEntries = 65536;
constexpr std::size_t kMaxBundleApks = 512;
// A deflated APK inside a bundle may have to be inflated whole to reach its
// manifest; beyond this many bytes in all, further ones are not read (a
// bundle of bombs must not keep the processor busy for hours).
constexpr std::uint64_t kMaxInflatedBytes = 4ull * 1024 * 1024 * 1024;
// A game has a main and a patch expansion file of at most 2 GB each (the
// store's own limits); a bundle asking for far more is refused.
constexpr std::size_t kMaxExpansions = 8;
constexpr std::uint64_t kMaxExpansionBytes = 8ull * 1024 * 1024 * 1024;

enum class PackageKind {
    NotArchive,  // not a ZIP at all (a damaged file, an encrypted .apkm)
    Apk,         // read it as one package
    Bundle,
    Refused,     // an archive we know and will not install (see refusal)
};

enum class ApkState {
    Read,     // its manifest was read
    Missing,  // listed by the bundle, not in it
    Damaged,  // in it, but its manifest cannot be read
};

struct BundleApk {
    ZipEntry entry;  // only the name, when it is missing
    // Its manifest's facts; for a missing or damaged APK, what the bundle's
    // listing says of it (no package name then).
    ApkFacts facts;
    ApkState state = ApkState::Read;
};

struct BundleExpansion {
    ZipEntry entry;
    std::string devicePath;  // where on the phone it goes
};

struct Bundle {
    PackageKind kind = PackageKind::NotArchive;
    std::string format;  // "apks", "xapk", "apkm", "apk set"
    // Refused: why it is no package at all. Bundle: why no phone can take
    // it (a damaged APK of unknown role, no base, ...); a choice for one
    // phone may refuse it too (SplitChoice).
    Refusal refusal;
    // The APKs this phone may get (one .apks variant, its install-time
    // modules and asset packs; an .xapk's listed splits; any other bundle's
    // every APK), each with its facts.
    std::vector<BundleApk> apks;
    int base = -1;  // index into apks of the one base; -1 none or several
    std::vector<BundleExpansion> expansions;
    bool hasIcon = false;  // a top-level icon.png, as .xapk and .apkm carry

    // The open file and its listing.
    std::wstring path;
    ZipArchive archive;
    std::vector<ZipEntry> entries;
    bool hasToc = false;
    Toc toc;
    XapkManifest xapk;
};

// Entries of a nested APK are read whole up to this; no real manifest or
// resource table comes near it.
constexpr std::size_t kMaxNestedEntryBytes = 64 * 1024 * 1024;

// Called for each APK of a bundle that could be read, with the entries
// asked for that it holds (its manifest among them).
using BundleApkVisitor = std::function<void(const BundleApk&, const std::map<std::string, std::string>& entries)>;

// Opens the file and tells what it holds; a bundle's listing and manifests
// are read, none of its APKs.
Bundle OpenPackage(const std::wstring& path);

// Reads the APKs a phone like `device` may get (an unknown phone: the
// newest variant) and the expansion files. Each APK's manifest, and the
// `extra` entries for the visitor, are read where they lie, in one pass
// that stops once they have come; nothing is written anywhere.
void ReadBundleApks(Bundle* bundle, const DeviceProfile& device, const BundleApkVisitor& visit = BundleApkVisitor(),
                    const std::vector<std::string>& extra = std::vector<std::string>());

// Both, for the callers that need nothing in between.
Bundle ReadBundle(const std::wstring& path, const DeviceProfile& device);

// The facts of the bundle's APKs, in its order.
std::vector<ApkFacts> FactsOf(const Bundle& bundle);

// The entry of that exact name in the listing; null when none.
const ZipEntry* FindEntry(const std::vector<ZipEntry>& entries, const std::string& name);
