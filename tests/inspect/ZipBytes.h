// Finds one entry's size fields in a ZIP archive's bytes, so tests can make
// archives whose headers lie; the icon fuzz target damages archives with it
// too, so nothing here reads or writes outside the bytes, whatever they say.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>

namespace zip_bytes {

inline std::uint32_t Get(const std::string& b, size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

inline void Put32(std::string* b, size_t at, std::uint32_t v)
{
    if (at > b->size() || b->size() - at < 4)
        return;
    for (int i = 0; i < 4; ++i)
        (*b)[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

struct Entry {
    bool found = false;
    size_t central = 0;  // central directory record
    size_t local = 0;    // local file header
};

inline Entry Locate(const std::string& b, const std::string& name)
{
    Entry e;
    size_t end = b.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos || end + 22 > b.size())
        return e;
    size_t at = Get(b, end + 16, 4);
    for (std::uint32_t n = Get(b, end + 10, 2); n > 0 && at + 46 <= b.size(); --n) {
        size_t nameLength = Get(b, at + 28, 2);
        if (b.compare(at, 4, "PK\x01\x02", 4) != 0 || at + 46 + nameLength > b.size())
            break;
        if (b.compare(at + 46, nameLength, name) == 0) {
            e.found = true;
            e.central = at;
            e.local = Get(b, at + 42, 4);
            return e;
        }
        at += 46 + nameLength + Get(b, at + 30, 2) + Get(b, at + 32, 2);
    }
    return e;
}

// The entry's bytes as stored, inflated when deflated; empty when the
// headers point outside the archive or the data does not inflate.
inline std::string EntryBytes(const std::string& b, const Entry& e)
{
    const size_t data = e.local + 30 + Get(b, e.local + 26, 2) + Get(b, e.local + 28, 2);
    const std::uint32_t packed = Get(b, e.central + 20, 4), size = Get(b, e.central + 24, 4);
    if (data > b.size() || b.size() - data < packed)
        return std::string();
    if (Get(b, e.central + 10, 2) == 0)
        return b.substr(data, packed);
    std::string out(size, '\0');
    z_stream z = {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(b.data() + data));
    z.avail_in = packed;
    z.next_out = reinterpret_cast<Bytef*>(&out[0]);
    z.avail_out = size;
    const bool whole = inflateInit2(&z, -MAX_WBITS) == Z_OK && inflate(&z, Z_FINISH) == Z_STREAM_END;
    inflateEnd(&z);
    return whole ? out : std::string();
}

// Declared uncompressed size in the central record and, when `local`, in the
// local header too (minizip refuses an entry whose two headers disagree).
inline void DeclareSize(std::string* b, const Entry& e, std::uint32_t size, bool local)
{
    Put32(b, e.central + 24, size);
    if (local)
        Put32(b, e.local + 22, size);
}

}  // namespace zip_bytes
