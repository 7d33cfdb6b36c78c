// Reads the icon entry of a package (a ZIP archive) or of a bundle's APK
// whole into memory; the caller decodes the bytes.
#pragma once

#include <cstdint>
#include <memory>

class PackageInfo;

// Larger declared sizes are refused unallocated: no real launcher icon comes
// near it, and a damaged header must not make us allocate gigabytes.
constexpr std::uint32_t kMaxIconBytes = 16u * 1024u * 1024u;

class PackageIconReader {
public:
    // `package` supplies apkPath and iconPath and must outlive the reader.
    explicit PackageIconReader(const PackageInfo& package);
    PackageIconReader(const PackageIconReader&) = delete;
    PackageIconReader& operator=(const PackageIconReader&) = delete;

    // True when the whole entry was read and holds at least one byte; after
    // false there is no data and the size is 0.
    bool ReadIcon();

    const unsigned char* GetIconData() const { return buffer_.get(); }
    std::uint32_t GetIconSize() const { return size_; }

private:
    std::unique_ptr<unsigned char[]> buffer_;
    std::uint32_t size_ = 0;
    const PackageInfo& package_;
};
