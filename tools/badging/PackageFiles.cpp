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
    std::wstring scratch;
    platform::TempFolder(&scratch);
    // A bundle prints its base's lines; every other file reads as a package.
    size_t densityBytes = 0;
    const Bundle bundle = ReadBundle(path, scratch, 0, [&](const BundleApk& apk, const ZipArchive& nested) {
        const SplitRole role = RoleOf(apk.facts);
        if (role.kind == SplitKind::Base) {
            ReadApkFiles(nested, &files);
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
    if (bundle.kind == PackageKind::Refused) {
        files.bundleFailure = bundle.refusal;
    } else if (bundle.kind == PackageKind::Bundle) {
        files.bundleIcon = bundle.hasIcon;
        files.bundleFailure = BaseRefusal(FactsOf(bundle));
    } else if (const ZipArchive archive = ZipArchive::Open(path)) {
        ReadApkFiles(archive, &files);
    }
    return files;
}
