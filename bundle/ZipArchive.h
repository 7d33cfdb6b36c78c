// A package archive through minizip: the handle owned, entries listed from
// the central directory and reached by position (so duplicate names stay
// apart), read whole under a bound or streamed to a file, and a stored
// archive inside an archive opened in place.
#pragma once

#include <unzip.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct ZipEntry {
    std::string name;
    unz64_file_pos position{};
    std::uint64_t size = 0;  // as the central directory declares it
    bool stored = false;     // method 0: the bytes lie in the file as they are
};

// No APK, expansion file or split comes near this; a declared size above it
// is damage, and we never fill a disk on its word.
constexpr std::uint64_t kMaxExtractBytes = 4ull * 1024 * 1024 * 1024;

class ZipArchive {
public:
    ZipArchive();
    ~ZipArchive();
    ZipArchive(ZipArchive&& other) noexcept;
    ZipArchive& operator=(ZipArchive&& other) noexcept;
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // An archive file by its wide path; an empty object when it is none.
    static ZipArchive Open(const std::wstring& path);
    // The bytes [start, start + length) of a file, read as an archive of
    // their own (a stored entry of another archive).
    static ZipArchive OpenWindow(const std::wstring& path, std::uint64_t start, std::uint64_t length);

    explicit operator bool() const { return file_ != nullptr; }
    unzFile Get() const { return file_; }

    // Every entry in central-directory order; false when the directory is
    // damaged or holds more than `limit` entries.
    bool List(std::vector<ZipEntry>* entries, std::size_t limit) const;
    // The first entry of that exact name.
    bool Find(const std::string& name, ZipEntry* entry) const;
    // The whole entry; false when it declares more than `limit` bytes, is
    // damaged, or its bytes differ from what it declares.
    bool Read(const ZipEntry& entry, std::size_t limit, std::string* bytes) const;
    bool Read(const std::string& name, std::size_t limit, std::string* bytes) const;
    // Streams the entry into `to` (created or replaced) through a small
    // buffer; false, with nothing beyond the declared size written, when the
    // entry is damaged, larger than kMaxExtractBytes, or inflates to another
    // size than it declares (a bomb stops at its declared size).
    bool Extract(const ZipEntry& entry, const std::wstring& to) const;
    // Where a stored entry's bytes begin in the file; false otherwise.
    bool DataOffset(const ZipEntry& entry, std::uint64_t* offset) const;

private:
    struct Window;
    unzFile file_ = nullptr;
    std::unique_ptr<Window> window_;  // the I/O state of a window; outlives file_
};
