#include "inspect/PackageIconReader.h"

#include <new>
#include <string>

#include "inspect/ArchivePath.h"
#include "inspect/PackageInfo.h"

namespace {

// Closes the archive on every path out of ReadIcon.
class ScopedUnzFile {
public:
    explicit ScopedUnzFile(unzFile file) : file_(file) {}
    ~ScopedUnzFile()
    {
        if (file_)
            unzClose(file_);
    }
    ScopedUnzFile(const ScopedUnzFile&) = delete;
    ScopedUnzFile& operator=(const ScopedUnzFile&) = delete;
    unzFile Get() const { return file_; }

private:
    unzFile file_;
};

}  // namespace

PackageIconReader::PackageIconReader(const PackageInfo& package) : package_(package) {}

bool PackageIconReader::ReadIcon()
{
    const std::wstring apkPath = package_.GetApkPath();
    const std::wstring iconPath = package_.GetIconPath();

    ScopedUnzFile archive(OpenArchive(apkPath));
    if (!archive.Get())
        return false;

    // An empty name fails here: the inspection found no icon. The name is
    // used as printed; no other spelling or density is tried.
    if (unzLocateFile(archive.Get(), ArchiveEntryName(iconPath).c_str(), 0) != UNZ_OK)
        return false;
    // The 64-bit header, so a zip64 size cannot wrap below the bound.
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(archive.Get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    if (info.uncompressed_size > kMaxIconBytes)
        return false;
    if (unzOpenCurrentFile(archive.Get()) != UNZ_OK)
        return false;

    size_ = static_cast<std::uint32_t>(info.uncompressed_size);
    buffer_.reset();
    bool read = false;
    if (size_ > 0) {
        // Zero-filled, so an entry shorter than its header claims leaves no
        // uninitialised bytes behind.
        buffer_.reset(new (std::nothrow) unsigned char[size_]());
        if (buffer_)
            read = unzReadCurrentFile(archive.Get(), buffer_.get(), size_) > 0;
        else
            size_ = 0;  // no size without bytes behind it
    }
    unzCloseCurrentFile(archive.Get());
    return read;
}
