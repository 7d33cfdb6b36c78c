#include "tools/badging/PackageFiles.h"

#include "bundle/Bundle.h"
#include "bundle/SplitChoice.h"
#include "platform/Files.h"

namespace {

void ReadApkFiles(const ZipArchive& archive, PackageFiles* files)
{
    files->manifestFound = archive.Read("AndroidManifest.xml", kMaxBadgingEntryBytes, &files->manifest);
    // A table that is there but cannot be read is a damaged table.
    ZipEntry table;
    files->tableFound = archive.Find("resources.arsc", &table);
    if (files->tableFound)
        archive.Read(table, kMaxBadgingEntryBytes, &files->table);
}

}  // namespace

PackageFiles ReadPackageFiles(const std::wstring& path)
{
    PackageFiles files;
    files.opened = !path.empty() && platform::FileExists(path);
    if (!files.opened)
        return files;
    Bundle package = OpenPackage(path);
    if (package.kind == PackageKind::Apk) {
        ReadApkFiles(package.archive, &files);
        return files;
    }
    // What is no archive at all reads as a package that has no manifest.
    if (package.kind == PackageKind::Refused)
        files.bundleRefusal = package.refusal;
    if (package.kind != PackageKind::Bundle)
        return files;
    // A bundle prints its base's lines, as for a phone we know nothing of.
    size_t densityBytes = 0;
    const std::string manifest = "AndroidManifest.xml", table = "resources.arsc";
    auto visit = [&](const BundleApk& apk, const std::map<std::string, std::string>& entries) {
        const SplitRole role = RoleOf(apk.facts);
        const auto found = entries.find(table);
        if (role.kind == SplitKind::Base && files.baseEntry.empty()) {
            files.baseEntry = apk.entry.name;
            files.manifestFound = true;
            files.manifest = entries.at(manifest);
            files.tableFound = found != entries.end();
            if (files.tableFound)
                files.table = found->second;
        } else if (role.kind == SplitKind::Density && role.module.empty() && found != entries.end() &&
                   found->second.size() <= kMaxBadgingEntryBytes - densityBytes) {
            // Together no larger than one table may be: a bundle of many
            // splits must not make us hold many tables.
            densityBytes += found->second.size();
            files.densityTables.emplace_back(apk.entry.name, found->second);
        }
    };
    ReadBundleApks(&package, DeviceProfile(), visit, {table});
    files.bundleIcon = package.hasIcon;
    // Every split counts here: a file missing for any phone is flagged.
    files.bundleRefusal = ChooseSplits(package, DeviceProfile()).refusal;
    // Two bases: none of them speaks for the bundle.
    if (package.base < 0) {
        files.manifestFound = files.tableFound = false;
        files.baseEntry.clear();
    }
    return files;
}
