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
    std::wstring scratch;
    platform::TempFolder(&scratch);
    size_t densityBytes = 0;
    ReadBundleApks(&package, DeviceProfile(), scratch, [&](const BundleApk& apk, const ZipArchive& nested) {
        const SplitRole role = RoleOf(apk.facts);
        if (role.kind == SplitKind::Base && files.baseEntry.empty()) {
            ReadApkFiles(nested, &files);
            files.baseEntry = apk.entry.name;
        } else if (role.kind == SplitKind::Density && role.module.empty()) {
            // Together no larger than one table may be: a bundle of many
            // splits must not make us hold many tables.
            std::string table;
            if (nested.Read("resources.arsc", kMaxBadgingEntryBytes - densityBytes, &table)) {
                densityBytes += table.size();
                files.densityTables.emplace_back(apk.entry.name, std::move(table));
            }
        }
    });
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
