#include "inspect/PackageIconReader.h"

#include <cstring>
#include <new>
#include <string>

#include "bundle/ArchivePath.h"
#include "bundle/Bundle.h"
#include "inspect/PackageInfo.h"
#include "platform/Files.h"

namespace {

// The entry's bytes, whole and under the icon bound.
bool ReadWhole(const ZipArchive& archive, const std::string& name, std::string* bytes)
{
    ZipEntry entry;
    return archive.Find(name, &entry) && archive.Read(entry, kMaxIconBytes, bytes);
}

// The icon as the inspection tool names it: "SPLIT!/ENTRY" is ENTRY of the
// APK stored as SPLIT in a bundle; any other name is an entry of the file
// itself or, in a bundle, of its base APK.
bool ReadNamedEntry(const std::wstring& path, const std::string& name, std::string* bytes)
{
    const ZipArchive archive = ZipArchive::Open(path);
    if (!archive || name.empty())
        return false;
    std::wstring scratch;
    platform::TempFolder(&scratch);
    const size_t bang = name.find("!/");
    if (bang != std::string::npos) {
        ZipEntry outer;
        NestedArchive nested;
        return archive.Find(name.substr(0, bang), &outer) && nested.Open(path, archive, outer, scratch) &&
               ReadWhole(nested.Archive(), name.substr(bang + 2), bytes);
    }
    if (ReadWhole(archive, name, bytes))
        return true;
    bool read = false;
    ReadBundle(path, scratch, 0, [&](const BundleApk& apk, const ZipArchive& nested) {
        if (!read && apk.facts.split.empty())
            read = ReadWhole(nested, name, bytes);
    });
    return read;
}

}  // namespace

PackageIconReader::PackageIconReader(const PackageInfo& package) : package_(package) {}

bool PackageIconReader::ReadIcon()
{
    buffer_.reset();
    size_ = 0;
    std::string bytes;
    if (!ReadNamedEntry(package_.GetApkPath(), ArchiveEntryName(package_.GetIconPath()), &bytes) || bytes.empty())
        return false;
    buffer_.reset(new (std::nothrow) unsigned char[bytes.size()]);
    if (!buffer_)
        return false;
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    size_ = static_cast<std::uint32_t>(bytes.size());
    return true;
}
