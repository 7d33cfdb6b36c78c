#include "tools/badging/PackageFiles.h"

#include "inspect/ArchivePath.h"
#include "platform/Files.h"

namespace {

// The whole entry; false when it is missing, too large or damaged.
bool ReadEntry(unzFile archive, const char* name, std::string* bytes)
{
    unz_file_info64 info;
    if (unzLocateFile(archive, name, 1) != UNZ_OK ||
        unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.uncompressed_size > kMaxBadgingEntryBytes || unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    bytes->assign(static_cast<size_t>(info.uncompressed_size), '\0');
    size_t done = 0;
    int n = 1;
    while (done < bytes->size() && (n = unzReadCurrentFile(archive, &(*bytes)[done],
                                                           static_cast<unsigned>(bytes->size() - done))) > 0)
        done += static_cast<size_t>(n);
    // Closing checks the CRC of an entry read to its end.
    const bool whole = done == bytes->size() && n >= 0 && unzCloseCurrentFile(archive) == UNZ_OK;
    if (!whole)
        bytes->clear();
    return whole;
}

}  // namespace

PackageFiles ReadPackageFiles(const std::wstring& path)
{
    PackageFiles files;
    files.opened = !path.empty() && platform::FileExists(path);
    unzFile archive = files.opened ? OpenArchive(path) : nullptr;
    if (!archive)
        return files;
    files.manifestFound = ReadEntry(archive, "AndroidManifest.xml", &files.manifest);
    // A table that is there but cannot be read is a damaged table.
    files.tableFound = unzLocateFile(archive, "resources.arsc", 1) == UNZ_OK;
    if (files.tableFound)
        ReadEntry(archive, "resources.arsc", &files.table);
    unzClose(archive);
    return files;
}
