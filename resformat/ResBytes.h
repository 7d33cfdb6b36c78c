// Bounds-checked little-endian reads over a package's binary resources, and
// the chunk types of Android's resource formats. Every read past the end
// gives zero and marks the reader bad, so a damaged file can only fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace res {

enum ChunkType : std::uint16_t {
    kStringPool = 0x0001,
    kTable = 0x0002,
    kXml = 0x0003,
    kXmlStartNamespace = 0x0100,
    kXmlEndNamespace = 0x0101,
    kXmlStartElement = 0x0102,
    kXmlEndElement = 0x0103,
    kXmlResourceMap = 0x0180,
    kTablePackage = 0x0200,
    kTableType = 0x0201,
    kTableTypeSpec = 0x0202,
};

// Res_value data types the badging reads.
enum ValueType : std::uint8_t {
    kTypeNull = 0x00,
    kTypeReference = 0x01,
    kTypeString = 0x03,
    kTypeFirstInt = 0x10,
    kTypeLastInt = 0x1f,
};

struct Value {
    std::uint8_t type = kTypeNull;
    std::uint32_t data = 0;
};

constexpr std::uint32_t kNoIndex = 0xFFFFFFFFu;

class Bytes {
public:
    Bytes(const std::string& bytes, std::size_t begin = 0, std::size_t end = std::string::npos)
        : bytes_(bytes), begin_(begin), end_(end > bytes.size() ? bytes.size() : end)
    {
        if (begin_ > end_)
            begin_ = end_ = 0, bad_ = true;
    }

    std::size_t Size() const { return end_ - begin_; }
    bool Bad() const { return bad_; }

    std::uint8_t U8(std::size_t at) const { return Has(at, 1) ? Byte(at) : Fail(); }
    std::uint16_t U16(std::size_t at) const
    {
        return Has(at, 2) ? static_cast<std::uint16_t>(Byte(at) | Byte(at + 1) << 8) : Fail();
    }
    std::uint32_t U32(std::size_t at) const
    {
        return Has(at, 4) ? static_cast<std::uint32_t>(Byte(at) | Byte(at + 1) << 8 | Byte(at + 2) << 16 |
                                                       static_cast<std::uint32_t>(Byte(at + 3)) << 24)
                          : Fail();
    }
    bool Has(std::size_t at, std::size_t n) const { return at <= Size() && n <= Size() - at; }

    // The range [at, at + n) as a reader of its own; a bad reader when it
    // does not fit.
    Bytes Sub(std::size_t at, std::size_t n) const
    {
        if (!Has(at, n)) {
            bad_ = true;
            return Bytes(bytes_, 0, 0).MarkBad();
        }
        return Bytes(bytes_, begin_ + at, begin_ + at + n);
    }
    // A chunk at `at`: its header's own size, bounded by this reader.
    Bytes Chunk(std::size_t at) const
    {
        std::uint32_t size = U32(at + 4);
        return Sub(at, size < 8 ? Size() + 1 : size);
    }
    const char* Data(std::size_t at) const { return bytes_.data() + begin_ + at; }

private:
    unsigned Byte(std::size_t at) const { return static_cast<unsigned char>(bytes_[begin_ + at]); }
    std::uint8_t Fail() const
    {
        bad_ = true;
        return 0;
    }
    Bytes& MarkBad()
    {
        bad_ = true;
        return *this;
    }

    const std::string& bytes_;
    std::size_t begin_, end_;
    mutable bool bad_ = false;
};

}  // namespace res
