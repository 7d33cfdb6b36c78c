#include "ImageHeaders.h"

#include <cstdint>
#include <cstdlib>

namespace {

uint32_t BigEndian32(const std::string& b, size_t at)
{
    return (uint32_t(uint8_t(b[at])) << 24) | (uint32_t(uint8_t(b[at + 1])) << 16) |
           (uint32_t(uint8_t(b[at + 2])) << 8) | uint32_t(uint8_t(b[at + 3]));
}

uint32_t LittleEndian32(const std::string& b, size_t at)
{
    return uint32_t(uint8_t(b[at])) | (uint32_t(uint8_t(b[at + 1])) << 8) |
           (uint32_t(uint8_t(b[at + 2])) << 16) | (uint32_t(uint8_t(b[at + 3])) << 24);
}

uint16_t LittleEndian16(const std::string& b, size_t at)
{
    return uint16_t(uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8));
}

}  // namespace

bool ReadPngSize(const std::string& bytes, ImageSize* size)
{
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    // Signature, then the first chunk: length 13, type IHDR, width, height.
    if (bytes.size() < 24 || bytes.compare(0, 8, kSignature, 8) != 0 || BigEndian32(bytes, 8) != 13 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return false;
    uint32_t w = BigEndian32(bytes, 16), h = BigEndian32(bytes, 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF)
        return false;
    size->width = int(w);
    size->height = int(h);
    return true;
}

bool ReadBitmapSize(const std::string& bytes, ImageSize* size)
{
    size_t at = 0;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        at = 14;
    if (bytes.size() < at + 16)
        return false;
    uint32_t header = LittleEndian32(bytes, at);
    int32_t w = 0, h = 0;
    if (header == 12) {
        w = LittleEndian16(bytes, at + 4);
        h = LittleEndian16(bytes, at + 6);
    } else if (header >= 40 && bytes.size() >= at + header) {
        w = int32_t(LittleEndian32(bytes, at + 4));
        h = int32_t(LittleEndian32(bytes, at + 8));  // negative: stored top-down
    } else {
        return false;
    }
    if (w <= 0 || h == 0 || h == INT32_MIN)
        return false;
    size->width = w;
    size->height = std::abs(h);
    return true;
}
