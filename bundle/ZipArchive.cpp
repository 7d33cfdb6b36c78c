#include "bundle/ZipArchive.h"

#include <algorithm>
#include <vector>

#include "bundle/ArchivePath.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"

namespace {

// Big enough to stream at disk speed, small enough for any memory bound.
constexpr std::size_t kChunk = 64 * 1024;

// Entry names longer than this are damage: no path on any system is.
constexpr unsigned kMaxNameBytes = 4096;

bool CurrentEntry(unzFile file, ZipEntry* entry)
{
    unz_file_info64 info;
    char name[kMaxNameBytes + 1];
    if (unzGetCurrentFileInfo64(file, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.size_filename > kMaxNameBytes || unzGetFilePos64(file, &entry->position) != UNZ_OK)
        return false;
    entry->name.assign(name, info.size_filename);
    entry->size = info.uncompressed_size;
    entry->stored = info.compression_method == 0 && info.compressed_size == info.uncompressed_size;
    return true;
}

// Reads the open current entry to its end into `sink`, never past `size`
// bytes; true when exactly `size` bytes came and the CRC holds.
template <typename Sink>
bool Drain(unzFile file, std::uint64_t size, Sink sink)
{
    std::vector<char> buffer(kChunk);
    std::uint64_t done = 0;
    bool ok = true;
    for (;;) {
        // One byte beyond the declared end tells a bomb from a whole entry.
        const std::uint64_t want = std::min<std::uint64_t>(kChunk, size - done + 1);
        const int n = unzReadCurrentFile(file, buffer.data(), static_cast<unsigned>(want));
        if (n < 0 || static_cast<std::uint64_t>(n) > size - done) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (!sink(buffer.data(), static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
        done += static_cast<std::uint64_t>(n);
    }
    // Closing checks the CRC of an entry read to its end.
    const bool closed = unzCloseCurrentFile(file) == UNZ_OK;
    return ok && closed && done == size;
}

}  // namespace

// minizip's file functions confined to a byte range of the file, with a
// read buffer: minizip reads the central directory a byte at a time, and
// on Windows each unbuffered read is a system call (10,000 entries took
// seconds under Wine).
struct ZipArchive::Window {
    NativeFileFunctions native;
    std::uint64_t start = 0;
    std::uint64_t length = 0;

    struct Stream {
        voidpf inner;
        std::uint64_t at;
        std::vector<char> buffer;
        std::uint64_t bufferAt = 0;  // window offset of buffer[0]
    };

    static Window& Of(voidpf opaque) { return *static_cast<Window*>(opaque); }

    static voidpf ZCALLBACK OpenFn(voidpf opaque, const void* name, int mode)
    {
        zlib_filefunc64_def& f = Of(opaque).native.functions;
        voidpf inner = f.zopen64_file(f.opaque, name, mode);
        return inner ? new Stream{inner, 0, {}, 0} : nullptr;
    }
    // Reads at the window offset `at`, past the buffer.
    static uLong Direct(Window& w, Stream& s, std::uint64_t at, void* buf, uLong n)
    {
        zlib_filefunc64_def& f = w.native.functions;
        if (f.zseek64_file(f.opaque, s.inner, w.start + at, ZLIB_FILEFUNC_SEEK_SET) != 0)
            return 0;
        return f.zread_file(f.opaque, s.inner, buf, n);
    }
    static uLong ZCALLBACK ReadFn(voidpf opaque, voidpf stream, void* buf, uLong size)
    {
        Window& w = Of(opaque);
        Stream& s = *static_cast<Stream*>(stream);
        const uLong n = static_cast<uLong>(std::min<std::uint64_t>(size, w.length - s.at));
        if (n == 0)
            return 0;
        uLong got = 0;
        if (n >= kChunk) {
            got = Direct(w, s, s.at, buf, n);
        } else {
            if (s.at < s.bufferAt || s.at + n > s.bufferAt + s.buffer.size()) {
                s.buffer.resize(kChunk);
                s.bufferAt = s.at;
                s.buffer.resize(Direct(w, s, s.at, s.buffer.data(), static_cast<uLong>(kChunk)));
            }
            got = static_cast<uLong>(std::min<std::uint64_t>(n, s.bufferAt + s.buffer.size() - s.at));
            std::copy_n(s.buffer.data() + (s.at - s.bufferAt), got, static_cast<char*>(buf));
        }
        s.at += got;
        return got;
    }
    static uLong ZCALLBACK WriteFn(voidpf, voidpf, const void*, uLong) { return 0; }
    static ZPOS64_T ZCALLBACK TellFn(voidpf, voidpf stream) { return static_cast<Stream*>(stream)->at; }
    static long ZCALLBACK SeekFn(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin)
    {
        Window& w = Of(opaque);
        Stream& s = *static_cast<Stream*>(stream);
        std::uint64_t base = origin == ZLIB_FILEFUNC_SEEK_CUR ? s.at
                             : origin == ZLIB_FILEFUNC_SEEK_END ? w.length
                                                                : 0;
        if (offset > w.length || base > w.length - offset)
            return -1;
        s.at = base + offset;
        return 0;
    }
    static int ZCALLBACK CloseFn(voidpf opaque, voidpf stream)
    {
        zlib_filefunc64_def& f = Of(opaque).native.functions;
        Stream* s = static_cast<Stream*>(stream);
        const int result = f.zclose_file(f.opaque, s->inner);
        delete s;
        return result;
    }
    static int ZCALLBACK ErrorFn(voidpf opaque, voidpf stream)
    {
        zlib_filefunc64_def& f = Of(opaque).native.functions;
        return f.zerror_file(f.opaque, static_cast<Stream*>(stream)->inner);
    }
};

ZipArchive::ZipArchive() = default;

ZipArchive::~ZipArchive()
{
    if (file_)
        unzClose(file_);
}

ZipArchive::ZipArchive(ZipArchive&& other) noexcept : file_(other.file_), window_(std::move(other.window_))
{
    other.file_ = nullptr;
}

ZipArchive& ZipArchive::operator=(ZipArchive&& other) noexcept
{
    if (this != &other) {
        if (file_)
            unzClose(file_);
        file_ = other.file_;
        window_ = std::move(other.window_);
        other.file_ = nullptr;
    }
    return *this;
}

ZipArchive ZipArchive::Open(const std::wstring& path)
{
    long long size = 0;
    if (!platform::FileByteCount(path, &size))
        return ZipArchive();
    return OpenWindow(path, 0, static_cast<std::uint64_t>(size));
}

ZipArchive ZipArchive::OpenWindow(const std::wstring& path, std::uint64_t start, std::uint64_t length)
{
    ZipArchive archive;
    auto window = std::make_unique<Window>();
    if (!FillNativeFileFunctions(path, &window->native))
        return archive;
    window->start = start;
    window->length = length;
    zlib_filefunc64_def functions{Window::OpenFn, Window::ReadFn, Window::WriteFn, Window::TellFn,
                                  Window::SeekFn, Window::CloseFn, Window::ErrorFn, window.get()};
    archive.file_ = unzOpen2_64(window->native.Path(), &functions);
    if (archive.file_)
        archive.window_ = std::move(window);
    return archive;
}

bool ZipArchive::List(std::vector<ZipEntry>* entries, std::size_t limit) const
{
    entries->clear();
    if (!file_)
        return false;
    int status = unzGoToFirstFile(file_);
    // An archive without entries is a valid, empty one.
    if (status == UNZ_END_OF_LIST_OF_FILE)
        return true;
    while (status == UNZ_OK) {
        ZipEntry entry;
        if (entries->size() >= limit || !CurrentEntry(file_, &entry))
            return false;
        entries->push_back(std::move(entry));
        status = unzGoToNextFile(file_);
    }
    return status == UNZ_END_OF_LIST_OF_FILE;
}

bool ZipArchive::Find(const std::string& name, ZipEntry* entry) const
{
    return file_ && !name.empty() && unzLocateFile(file_, name.c_str(), 1) == UNZ_OK && CurrentEntry(file_, entry);
}

bool ZipArchive::Read(const ZipEntry& entry, std::size_t limit, std::string* bytes) const
{
    bytes->clear();
    ZipEntry at = entry;
    if (!file_ || entry.size > limit || unzGoToFilePos64(file_, &at.position) != UNZ_OK ||
        unzOpenCurrentFile(file_) != UNZ_OK)
        return false;
    bytes->reserve(static_cast<std::size_t>(entry.size));
    const bool whole = Drain(file_, entry.size, [&](const char* data, std::size_t n) {
        bytes->append(data, n);
        return true;
    });
    if (!whole)
        bytes->clear();
    return whole;
}

bool ZipArchive::Read(const std::string& name, std::size_t limit, std::string* bytes) const
{
    ZipEntry entry;
    bytes->clear();
    return Find(name, &entry) && Read(entry, limit, bytes);
}

bool ZipArchive::Extract(const ZipEntry& entry, const std::wstring& to) const
{
    ZipEntry at = entry;
    if (!file_ || entry.size > kMaxExtractBytes || unzGoToFilePos64(file_, &at.position) != UNZ_OK)
        return false;
    platform::ScopedFile out = platform::OpenFile(to, "wb");
    if (!out || unzOpenCurrentFile(file_) != UNZ_OK)
        return false;
    const bool whole = Drain(file_, entry.size, [&](const char* data, std::size_t n) {
        return std::fwrite(data, 1, n, out.get()) == n;
    });
    return std::fclose(out.release()) == 0 && whole;
}

bool ZipArchive::DataOffset(const ZipEntry& entry, std::uint64_t* offset) const
{
    ZipEntry at = entry;
    int method = -1;
    int level = 0;
    if (!file_ || !entry.stored || unzGoToFilePos64(file_, &at.position) != UNZ_OK ||
        unzOpenCurrentFile2(file_, &method, &level, 1) != UNZ_OK)
        return false;
    *offset = unzGetCurrentFileZStreamPos64(file_);
    unzCloseCurrentFile(file_);
    return method == 0;
}
