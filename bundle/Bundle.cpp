#include "bundle/Bundle.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "bundle/BundleManifest.h"
#include "bundle/TocReader.h"

namespace {

bool EndsWithApk(const std::string& name)
{
    if (name.size() <= 4 || name.back() == '/')
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".apk";
}

const ZipEntry* Named(const std::vector<ZipEntry>& entries, const std::string& name)
{
    for (const ZipEntry& e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

}  // namespace

bool LooksLikeAppBundle(const std::vector<ZipEntry>& entries)
{
    return Named(entries, "BundleConfig.pb") || Named(entries, "base/manifest/AndroidManifest.xml");
}

namespace {

// What a listed archive holds, by the one rule both tools follow: a
// top-level manifest makes a package, an .aab's layout is refused, and
// .apk entries without a manifest make a bundle (its APKs in *apks).
PackageKind Classify(const ZipArchive& archive, std::vector<ZipEntry>* entries, std::vector<const ZipEntry*>* apks,
                     std::string* refusal)
{
    // One walk of the central directory; every later look-up is in memory
    // (an archive of 10,000 entries is read once, not once per name).
    const bool listed = archive.List(entries, kMaxBundleEntries);
    ZipEntry manifest;
    if (Named(*entries, "AndroidManifest.xml") || (!listed && archive.Find("AndroidManifest.xml", &manifest)))
        return PackageKind::Apk;
    if (!listed) {
        *refusal = "the archive's directory is damaged or holds more than " + std::to_string(kMaxBundleEntries) +
                   " entries";
        return PackageKind::Refused;
    }
    if (LooksLikeAppBundle(*entries)) {
        *refusal = "this is an Android App Bundle (.aab), which app stores turn into APKs; a phone cannot install it";
        return PackageKind::Refused;
    }
    for (const ZipEntry& e : *entries)
        if (EndsWithApk(e.name))
            apks->push_back(&e);
    // Neither a package nor a bundle: read as a package, it fails as one.
    if (apks->empty())
        return PackageKind::Apk;
    if (apks->size() > kMaxBundleApks) {
        *refusal = "the bundle holds more than " + std::to_string(kMaxBundleApks) + " APKs";
        return PackageKind::Refused;
    }
    return PackageKind::Bundle;
}

}  // namespace

std::vector<ApkFacts> FactsOf(const Bundle& bundle)
{
    std::vector<ApkFacts> facts;
    for (const BundleApk& apk : bundle.apks)
        facts.push_back(apk.facts);
    return facts;
}

PackageKind KindOfPackage(const std::wstring& path)
{
    const ZipArchive archive = ZipArchive::Open(path);
    if (!archive)
        return PackageKind::NotArchive;
    std::vector<ZipEntry> entries;
    std::vector<const ZipEntry*> apks;
    std::string refusal;
    return Classify(archive, &entries, &apks, &refusal);
}

Bundle ReadBundle(const std::wstring& path, const std::wstring& scratchFolder, int sdk, const BundleApkVisitor& visit)
{
    Bundle bundle;
    const ZipArchive archive = ZipArchive::Open(path);
    if (!archive)
        return bundle;
    std::vector<ZipEntry> entries;
    std::vector<const ZipEntry*> candidates;
    bundle.kind = Classify(archive, &entries, &candidates, &bundle.refusal);
    if (bundle.kind != PackageKind::Bundle)
        return bundle;

    auto read = [&](const char* name, std::size_t limit, std::string* bytes) {
        const ZipEntry* entry = Named(entries, name);
        return entry && archive.Read(*entry, limit, bytes);
    };
    std::string json;
    XapkManifest xapk;
    ApkmInfo apkm;
    Toc toc;
    const bool hasToc = read("toc.pb", kMaxTocBytes, &json) && ReadToc(json, &toc);
    if (hasToc) {
        bundle.format = "apks";
        std::set<std::string> wanted;
        if (const TocVariant* variant = ChooseVariant(toc, sdk)) {
            for (const TocModule& m : variant->modules)
                if (!m.onDemand)
                    wanted.insert(m.apks.begin(), m.apks.end());
        }
        for (const TocModule& m : toc.assetModules)
            if (!m.onDemand)
                wanted.insert(m.apks.begin(), m.apks.end());
        candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                        [&](const ZipEntry* e) { return wanted.count(e->name) == 0; }),
                         candidates.end());
    } else if (read("manifest.json", kMaxBundleJsonBytes, &json) && ParseXapkManifest(json, &xapk)) {
        bundle.format = "xapk";
        if (!xapk.splitFiles.empty()) {
            const std::set<std::string> listed(xapk.splitFiles.begin(), xapk.splitFiles.end());
            for (const std::string& file : listed)
                if (!Named(entries, file))
                    bundle.problems.push_back("the bundle lists the split " + file + " but does not hold it");
            candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                            [&](const ZipEntry* e) { return listed.count(e->name) == 0; }),
                             candidates.end());
        }
    } else if (read("info.json", kMaxBundleJsonBytes, &json) && ParseApkmInfo(json, &apkm)) {
        bundle.format = "apkm";
    } else {
        bundle.format = "apk set";
    }
    bundle.hasIcon = Named(entries, "icon.png") != nullptr;

    std::uint64_t inflated = 0;
    for (const ZipEntry* entry : candidates) {
        if (!entry->stored) {
            if (entry->size > kMaxInflatedBytes - inflated) {
                bundle.problems.push_back("the APK " + entry->name + " in the bundle is more than can be read");
                continue;
            }
            inflated += entry->size;
        }
        NestedArchive nested;
        BundleApk apk{*entry, ApkFacts()};
        std::string bytes;
        if (!nested.Open(path, archive, *entry, scratchFolder) ||
            !nested.Archive().Read("AndroidManifest.xml", kMaxManifestBytes, &bytes) ||
            !ReadApkFacts(bytes, &apk.facts)) {
            bundle.problems.push_back("the APK " + entry->name + " in the bundle is damaged");
            continue;
        }
        bundle.apks.push_back(apk);
        if (visit)
            visit(bundle.apks.back(), nested.Archive());
    }
    std::vector<int> bases;
    for (size_t i = 0; i < bundle.apks.size(); ++i)
        if (bundle.apks[i].facts.split.empty())
            bases.push_back(static_cast<int>(i));
    if (bases.size() != 1)
        return bundle;
    bundle.base = bases[0];

    const std::string& package = bundle.apks[bundle.base].facts.package;
    for (const XapkExpansion& e : xapk.expansions) {
        const ZipEntry* entry = Named(entries, e.file);
        const std::string device = ExpansionDevicePath(package, e);
        if (!entry)
            bundle.problems.push_back("the bundle lists the expansion file " + e.file + " but does not hold it");
        else if (device.empty())
            bundle.problems.push_back("the expansion file " + e.file + " would go outside Android/obb/" + package +
                                      "/ (" + e.installPath + ")");
        else
            bundle.expansions.push_back({*entry, device});
    }
    return bundle;
}
