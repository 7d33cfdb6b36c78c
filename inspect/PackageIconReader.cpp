#include "inspect/PackageIconReader.h"

#include <cstring>
#include <new>
#include <string>

#include "bundle/ArchivePath.h"
#include "bundle/NestedEntry.h"
#include "bundle/ZipArchive.h"
#include "inspect/PackageInfo.h"

namespace {

// The icon as the inspection tool names it: "APK!/ENTRY" is ENTRY of the
// APK stored as APK in a bundle (only that entry is read, nothing is
// written); any other name is an entry of the file itself.
bool ReadNamedEntry(const std::wstring& path, const std::string& name, std::string* bytes)
{
    const ZipArchive archive = ZipArchive::Open(path);
    ZipEntry entry;
    if (!archive || name.empty())
        return false;
    const size_t bang = name.find("!/");
    if (bang == std::string::npos)
        return archive.Find(name, &entry) && archive.Read(entry, kMaxIconBytes, bytes);
    return archive.Find(name.substr(0, bang), &entry) &&
           ReadNestedEntry(path, archive, entry, name.substr(bang + 2), kMaxIconBytes, bytes);
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
