#include "bundle/Bundle.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "bundle/NestedEntry.h"
#include "bundle/SplitChoice.h"

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

bool LooksLikeAppBundle(const std::vector<ZipEntry>& entries)
{
    return FindEntry(entries, "BundleConfig.pb") || FindEntry(entries, "base/manifest/AndroidManifest.xml");
}

// What the listing says of an APK it names: its split name, or none for
// a base ("base" in an .xapk, the empty id of bundletool's base master).
ApkFacts ListedFacts(const std::string& splitId)
{
    ApkFacts facts;
    if (splitId != "base")
        facts.split = splitId;
    return facts;
}

// The APK entries to read, in the listing's order, each with what the
// listing says of it (`listed` false: it says nothing).
struct Candidate {
    std::string name;
    bool listed = false;
    ApkFacts facts;
};

std::vector<Candidate> Candidates(const Bundle& bundle, const DeviceProfile& device, Refusal* refusal)
{
    std::vector<Candidate> out;
    if (bundle.hasToc) {
        const TocVariant* variant = ChooseVariant(bundle.toc, device, refusal);
        if (!variant) {
            if (!*refusal)
                *refusal = Refusal(RefusalCode::NoBase);
            return out;
        }
        for (const TocApk& apk : InstallTimeApks(bundle.toc, *variant))
            out.push_back({apk.path, true, ListedFacts(apk.splitId)});
    } else if (!bundle.xapk.splits.empty()) {
        for (const XapkSplit& split : bundle.xapk.splits)
            out.push_back({split.file, !split.id.empty(), ListedFacts(split.id)});
    } else {
        for (const ZipEntry& e : bundle.entries)
            if (EndsWithApk(e.name))
                out.push_back({e.name, false, ApkFacts()});
    }
    // A listing may name a file twice; the phone gets it once.
    std::set<std::string> seen;
    out.erase(std::remove_if(out.begin(), out.end(), [&](const Candidate& c) { return !seen.insert(c.name).second; }),
              out.end());
    if (out.size() > kMaxBundleApks)
        *refusal = Refusal(RefusalCode::TooManyApks);
    return out;
}

void ReadExpansions(Bundle* bundle)
{
    const std::string& package = bundle->apks[bundle->base].facts.package;
    std::uint64_t bytes = 0;
    for (const XapkExpansion& e : bundle->xapk.expansions) {
        const ZipEntry* entry = FindEntry(bundle->entries, e.file);
        const std::string device = ExpansionDevicePath(package, e);
        if (!entry) {
            bundle->refusal = Refusal(RefusalCode::MissingFile, e.file);
        } else if (device.empty()) {
            bundle->refusal = Refusal(RefusalCode::ExpansionOutside, e.installPath);
        } else if (bundle->expansions.size() >= kMaxExpansions || entry->size > kMaxExpansionBytes - bytes) {
            bundle->refusal = Refusal(RefusalCode::TooManyExpansions);
        } else {
            bytes += entry->size;
            bundle->expansions.push_back({*entry, device});
            continue;
        }
        return;
    }
}

}  // namespace

std::vector<ApkFacts> FactsOf(const Bundle& bundle)
{
    std::vector<ApkFacts> facts;
    for (const BundleApk& apk : bundle.apks)
        facts.push_back(apk.facts);
    return facts;
}

const ZipEntry* FindEntry(const std::vector<ZipEntry>& entries, const std::string& name)
{
    for (const ZipEntry& e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

Bundle OpenPackage(const std::wstring& path)
{
    Bundle bundle;
    bundle.path = path;
    bundle.archive = ZipArchive::Open(path);
    if (!bundle.archive) {
        bundle.refusal = Refusal(RefusalCode::NotArchive);
        return bundle;
    }
    // One walk of the central directory; every later look-up is in memory
    // (an archive of 10,000 entries is read once, not once per name).
    const bool listed = bundle.archive.List(&bundle.entries, kMaxBundleEntries);
    ZipEntry manifest;
    if (FindEntry(bundle.entries, "AndroidManifest.xml") ||
        (!listed && bundle.archive.Find("AndroidManifest.xml", &manifest))) {
        bundle.kind = PackageKind::Apk;
        return bundle;
    }
    bundle.kind = PackageKind::Refused;
    if (!listed) {
        bundle.refusal = Refusal(RefusalCode::DamagedDirectory);
        return bundle;
    }
    if (LooksLikeAppBundle(bundle.entries)) {
        bundle.refusal = Refusal(RefusalCode::AppBundle);
        return bundle;
    }
    // Neither a package nor a bundle: read as a package, it fails as one.
    bundle.kind = std::any_of(bundle.entries.begin(), bundle.entries.end(),
                              [](const ZipEntry& e) { return EndsWithApk(e.name); })
                      ? PackageKind::Bundle
                      : PackageKind::Apk;
    if (bundle.kind != PackageKind::Bundle)
        return bundle;

    auto read = [&](const char* name, std::size_t limit, std::string* bytes) {
        const ZipEntry* entry = FindEntry(bundle.entries, name);
        return entry && bundle.archive.Read(*entry, limit, bytes);
    };
    std::string text;
    ApkmInfo apkm;
    if (read("toc.pb", kMaxTocBytes, &text) && ReadToc(text, &bundle.toc)) {
        bundle.format = "apks";
        bundle.hasToc = true;
    } else if (read("manifest.json", kMaxBundleJsonBytes, &text) && ParseXapkManifest(text, &bundle.xapk)) {
        bundle.format = "xapk";
    } else if (read("info.json", kMaxBundleJsonBytes, &text) && ParseApkmInfo(text, &apkm)) {
        bundle.format = "apkm";
    } else {
        bundle.format = "apk set";
    }
    bundle.hasIcon = FindEntry(bundle.entries, "icon.png") != nullptr;
    return bundle;
}

void ReadBundleApks(Bundle* bundle, const DeviceProfile& device, const BundleApkVisitor& visit,
                    const std::vector<std::string>& extra)
{
    if (bundle->kind != PackageKind::Bundle || bundle->refusal)
        return;
    const std::vector<Candidate> candidates = Candidates(*bundle, device, &bundle->refusal);
    if (bundle->refusal)
        return;
    std::vector<std::string> wanted{"AndroidManifest.xml"};
    wanted.insert(wanted.end(), extra.begin(), extra.end());
    std::uint64_t inflated = 0;
    for (const Candidate& c : candidates) {
        BundleApk apk;
        apk.entry.name = c.name;
        apk.facts = c.facts;
        const ZipEntry* entry = FindEntry(bundle->entries, c.name);
        if (!entry) {
            apk.state = ApkState::Missing;
        } else {
            apk.entry = *entry;
            if (!entry->stored) {
                if (entry->size > kMaxInflatedBytes - inflated) {
                    bundle->refusal = Refusal(RefusalCode::TooLarge);
                    return;
                }
                inflated += entry->size;
            }
            std::map<std::string, std::string> found;
            ReadNestedEntries(bundle->path, bundle->archive, *entry, wanted, kMaxNestedEntryBytes, &found);
            if (found.count(wanted[0]) && ReadApkFacts(found[wanted[0]], &apk.facts)) {
                if (visit)
                    visit(apk, found);
            } else {
                apk.state = ApkState::Damaged;
                apk.facts = c.facts;
                // Nothing says what it was: no phone can be given the rest without it.
                if (!c.listed) {
                    bundle->refusal = Refusal(RefusalCode::DamagedFile, c.name);
                    return;
                }
            }
        }
        bundle->apks.push_back(std::move(apk));
    }
    bundle->base = FindBase(FactsOf(*bundle), &bundle->refusal);
    if (bundle->base >= 0 && bundle->apks[bundle->base].state == ApkState::Read)
        ReadExpansions(bundle);
}

Bundle ReadBundle(const std::wstring& path, const DeviceProfile& device)
{
    Bundle bundle = OpenPackage(path);
    ReadBundleApks(&bundle, device);
    return bundle;
}
