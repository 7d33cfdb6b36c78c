#include "bundle/NestedEntry.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kChunk = 64 * 1024;
// An APK of more entries than this is damage: real ones hold a few thousand.
constexpr int kMaxWalkedEntries = 65536;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kDescriptor = 0x08074b50;
constexpr unsigned kHasDescriptor = 8;

// The inflated bytes of the outer entry, read forward through a buffer
// whose unread part the caller may consume piecewise.
class Stream {
public:
    explicit Stream(unzFile file) : file_(file), buffer_(kChunk) {}

    // At least n (<= kChunk) bytes unread; false at the end or on damage.
    bool Need(std::size_t n)
    {
        while (end_ - at_ < n) {
            if (at_ > 0) {
                std::memmove(buffer_.data(), buffer_.data() + at_, end_ - at_);
                end_ -= at_;
                at_ = 0;
            }
            const int got = unzReadCurrentFile(file_, buffer_.data() + end_, static_cast<unsigned>(kChunk - end_));
            if (got <= 0)
                return false;
            end_ += static_cast<std::size_t>(got);
        }
        return true;
    }
    bool Skip(std::uint64_t n)
    {
        while (n > 0) {
            const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(n, kChunk));
            if (!Need(step))
                return false;
            at_ += step;
            n -= step;
        }
        return true;
    }
    std::uint32_t U32(std::size_t offset) const { return U16(offset) | (std::uint32_t(U16(offset + 2)) << 16); }
    std::uint32_t U16(std::size_t offset) const
    {
        return static_cast<unsigned char>(buffer_[at_ + offset]) |
               (static_cast<unsigned char>(buffer_[at_ + offset + 1]) << 8);
    }
    std::string Text(std::size_t offset, std::size_t n) const { return std::string(&buffer_[at_ + offset], n); }
    void Consume(std::size_t n) { at_ += n; }

    // Stored bytes, at most `limit` of them.
    bool Copy(std::uint64_t n, std::string* out)
    {
        while (n > 0) {
            const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(n, kChunk));
            if (!Need(step))
                return false;
            out->append(&buffer_[at_], step);
            at_ += step;
            n -= step;
        }
        return true;
    }

    // Raw deflate data to its end; its output goes to `out` when given, and
    // never beyond `limit` bytes (a bomb is cut off even when discarded).
    bool Inflate(std::string* out, std::size_t limit)
    {
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            return false;
        std::vector<char> sink(kChunk);
        std::uint64_t produced = 0;
        int status = Z_OK;
        while (status == Z_OK) {
            if (at_ == end_ && !Need(1))
                break;
            z.next_in = reinterpret_cast<Bytef*>(&buffer_[at_]);
            z.avail_in = static_cast<uInt>(end_ - at_);
            z.next_out = reinterpret_cast<Bytef*>(sink.data());
            z.avail_out = static_cast<uInt>(sink.size());
            status = inflate(&z, Z_NO_FLUSH);
            at_ = end_ - z.avail_in;
            const std::size_t made = sink.size() - z.avail_out;
            produced += made;
            if (produced > limit)
                status = Z_DATA_ERROR;
            else if (out)
                out->append(sink.data(), made);
            if (status == Z_BUF_ERROR && made == 0 && z.avail_in > 0)
                status = Z_DATA_ERROR;
            else if (status == Z_BUF_ERROR)
                status = Z_OK;
        }
        inflateEnd(&z);
        return status == Z_STREAM_END;
    }

private:
    unzFile file_;
    std::vector<char> buffer_;
    std::size_t at_ = 0, end_ = 0;
};

bool Walk(Stream& s, const std::vector<std::string>& names, std::size_t limit,
          std::map<std::string, std::string>* found)
{
    for (int walked = 0; walked < kMaxWalkedEntries && found->size() < names.size(); ++walked) {
        if (!s.Need(30) || s.U32(0) != kLocalHeader)
            return false;  // the central directory, or damage: not all there
        const unsigned flags = s.U16(6), method = s.U16(8);
        const std::uint32_t crc = s.U32(14), packed = s.U32(18), size = s.U32(22);
        const std::size_t nameLength = s.U16(26), extraLength = s.U16(28);
        s.Consume(30);
        if (!s.Need(nameLength))
            return false;
        const std::string entry = s.Text(0, nameLength);
        s.Consume(nameLength);
        if (!s.Skip(extraLength))
            return false;
        // 0xFFFFFFFF: the sizes are in a zip64 field, which APKs never need.
        const bool sized = !(flags & kHasDescriptor) && packed != 0xFFFFFFFFu && size != 0xFFFFFFFFu;
        const bool wanted = std::find(names.begin(), names.end(), entry) != names.end() && !found->count(entry);
        if (method == 0 && !sized)
            return false;
        if (wanted && (method == 0 || method == 8) && !(sized && size > limit)) {
            std::string bytes;
            const bool read = method == 0 ? s.Copy(size, &bytes) : s.Inflate(&bytes, limit);
            if (!read && method == 0)
                return false;
            const bool whole = read && (!sized || (bytes.size() == size &&
                                                   crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                                         static_cast<uInt>(bytes.size())) == crc));
            if (whole)
                (*found)[entry] = std::move(bytes);
            else if (method == 8 && !read)
                return false;  // where its data ends is unknown now
        } else if (sized) {
            if (!s.Skip(packed))
                return false;
        } else if (method != 8 || !s.Inflate(nullptr, kMaxExtractBytes)) {
            return false;
        }
        if (flags & kHasDescriptor) {
            // crc, sizes; a signature first in most writers.
            if (!s.Need(4))
                return false;
            if (!s.Skip(s.U32(0) == kDescriptor ? 16 : 12))
                return false;
        }
    }
    return found->size() == names.size();
}

}  // namespace

bool ReadNestedEntries(const std::wstring& outerPath, const ZipArchive& outer, const ZipEntry& apk,
                       const std::vector<std::string>& names, std::size_t limit,
                       std::map<std::string, std::string>* found)
{
    found->clear();
    std::uint64_t offset = 0;
    if (outer.DataOffset(apk, &offset)) {
        const ZipArchive inner = ZipArchive::OpenWindow(outerPath, offset, apk.size);
        if (!inner)
            return false;
        for (const std::string& name : names) {
            ZipEntry entry;
            std::string bytes;
            if (inner.Find(name, &entry) && inner.Read(entry, limit, &bytes))
                (*found)[name] = std::move(bytes);
        }
        return true;
    }
    ZipEntry at = apk;
    if (!outer || apk.size > kMaxExtractBytes || unzGoToFilePos64(outer.Get(), &at.position) != UNZ_OK ||
        unzOpenCurrentFile(outer.Get()) != UNZ_OK)
        return false;
    Stream stream(outer.Get());
    const bool walked = Walk(stream, names, limit, found) || !found->empty();
    unzCloseCurrentFile(outer.Get());
    return walked;
}

bool ReadNestedEntry(const std::wstring& outerPath, const ZipArchive& outer, const ZipEntry& apk,
                     const std::string& name, std::size_t limit, std::string* bytes)
{
    std::map<std::string, std::string> found;
    ReadNestedEntries(outerPath, outer, apk, {name}, limit, &found);
    bytes->clear();
    if (!found.count(name))
        return false;
    *bytes = std::move(found[name]);
    return true;
}
