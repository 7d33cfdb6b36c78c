#include "toolkit/skins/PngDecoder.h"

#include <zlib.h>

#include <cstring>
#include <string>

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t Be32(const uint8_t* p) { return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]; }

struct Header {
    int32_t width = 0, height = 0;
    int depth = 0, colour = 0, interlace = 0;
    int Channels() const { return colour == 0 || colour == 3 ? 1 : colour == 2 ? 3 : colour == 4 ? 2 : 4; }
};

bool ValidFormat(const Header& h)
{
    switch (h.colour) {
    case 0: return h.depth == 1 || h.depth == 2 || h.depth == 4 || h.depth == 8 || h.depth == 16;
    case 3: return h.depth == 1 || h.depth == 2 || h.depth == 4 || h.depth == 8;
    case 2:
    case 4:
    case 6: return h.depth == 8 || h.depth == 16;
    default: return false;
    }
}

bool ReadHeader(const uint8_t* bytes, size_t size, Header* h)
{
    // Signature, then IHDR first: length 13, type, 13 bytes of data.
    if (!bytes || size < 33 || std::memcmp(bytes, kSignature, 8) != 0 || Be32(bytes + 8) != 13 ||
        std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return false;
    const uint8_t* d = bytes + 16;
    const uint32_t w = Be32(d), hgt = Be32(d + 4);
    if (w == 0 || hgt == 0 || w > 0x7FFFFFFF || hgt > 0x7FFFFFFF)
        return false;
    h->width = static_cast<int32_t>(w);
    h->height = static_cast<int32_t>(hgt);
    h->depth = d[8];
    h->colour = d[9];
    h->interlace = d[12];
    return d[10] == 0 && d[11] == 0 && h->interlace <= 1 && ValidFormat(*h);
}

uint8_t Paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p, pb = p > b ? p - b : b - p, pc = p > c ? p - c : c - p;
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Undoes the filter of every row in place; false on an unknown filter.
bool Unfilter(uint8_t* data, size_t rowBytes, int32_t rows, size_t pixelBytes)
{
    const uint8_t* prior = nullptr;
    for (int32_t y = 0; y < rows; ++y) {
        uint8_t* row = data + static_cast<size_t>(y) * (rowBytes + 1);
        const uint8_t filter = row[0];
        uint8_t* x = row + 1;
        for (size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= pixelBytes ? x[i - pixelBytes] : 0;
            const int b = prior ? prior[i] : 0;
            const int c = prior && i >= pixelBytes ? prior[i - pixelBytes] : 0;
            switch (filter) {
            case 0: break;
            case 1: x[i] = static_cast<uint8_t>(x[i] + a); break;
            case 2: x[i] = static_cast<uint8_t>(x[i] + b); break;
            case 3: x[i] = static_cast<uint8_t>(x[i] + (a + b) / 2); break;
            case 4: x[i] = static_cast<uint8_t>(x[i] + Paeth(a, b, c)); break;
            default: return false;
            }
        }
        prior = x;
    }
    return true;
}

// Inflates exactly `expected` bytes; false on damage or a length mismatch.
bool Inflate(const std::string& compressed, std::vector<uint8_t>* out, size_t expected)
{
    out->assign(expected, 0);
    z_stream z = {};
    if (inflateInit(&z) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    z.avail_in = static_cast<uInt>(compressed.size());
    z.next_out = out->data();
    z.avail_out = static_cast<uInt>(expected);
    const int status = inflate(&z, Z_FINISH);
    const bool whole = z.avail_out == 0 && (status == Z_STREAM_END || status == Z_BUF_ERROR || status == Z_OK);
    inflateEnd(&z);
    return whole;
}

}  // namespace

bool ReadPngSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height)
{
    Header h;
    if (!ReadHeader(bytes, size, &h))
        return false;
    *width = h.width;
    *height = h.height;
    return true;
}

PngResult DecodePng(const uint8_t* bytes, size_t size, PngPixels* out)
{
    Header h;
    if (!ReadHeader(bytes, size, &h))
        return bytes && size >= 8 && std::memcmp(bytes, kSignature, 8) == 0 ? PngResult::Damaged : PngResult::NotPng;
    if (h.width > kPngMaxSide || h.height > kPngMaxSide || int64_t{h.width} * h.height > kPngMaxPixels)
        return PngResult::TooLarge;
    if (h.interlace)
        return PngResult::Interlaced;

    std::string idat;
    uint8_t palette[256][4] = {};
    int paletteSize = 0;
    int transparentGrey = -1;
    int transparentRgb[3] = {-1, -1, -1};
    bool ended = false;
    for (size_t at = 8; at + 12 <= size && !ended;) {
        const uint32_t length = Be32(bytes + at);
        if (length > size - at - 12)
            return PngResult::Damaged;
        const uint8_t* type = bytes + at + 4;
        const uint8_t* d = bytes + at + 8;
        if (std::memcmp(type, "IDAT", 4) == 0) {
            idat.append(reinterpret_cast<const char*>(d), length);
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (length % 3 != 0 || length > 768)
                return PngResult::Damaged;
            paletteSize = static_cast<int>(length / 3);
            for (int i = 0; i < paletteSize; ++i) {
                palette[i][0] = d[i * 3 + 2];
                palette[i][1] = d[i * 3 + 1];
                palette[i][2] = d[i * 3];
                palette[i][3] = 255;
            }
        } else if (std::memcmp(type, "tRNS", 4) == 0) {
            if (h.colour == 3) {
                for (uint32_t i = 0; i < length && i < 256; ++i)
                    palette[i][3] = d[i];
            } else if (h.colour == 0 && length >= 2) {
                transparentGrey = d[0] << 8 | d[1];
            } else if (h.colour == 2 && length >= 6) {
                for (int c = 0; c < 3; ++c)
                    transparentRgb[c] = d[c * 2] << 8 | d[c * 2 + 1];
            }
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        }
        at += size_t{length} + 12;
    }
    if (idat.empty() || (h.colour == 3 && paletteSize == 0))
        return PngResult::Damaged;

    const size_t bitsPerPixel = static_cast<size_t>(h.depth) * h.Channels();
    const size_t rowBytes = (bitsPerPixel * static_cast<size_t>(h.width) + 7) / 8;
    // Deflate shrinks by at most about 1:1032; less data than that cannot
    // hold the image, however large the header says it is.
    std::vector<uint8_t> raw;
    if ((rowBytes + 1) * static_cast<size_t>(h.height) / 1032 > idat.size() + 64 ||
        !Inflate(idat, &raw, (rowBytes + 1) * static_cast<size_t>(h.height)))
        return PngResult::Damaged;
    idat.clear();
    if (!Unfilter(raw.data(), rowBytes, h.height, bitsPerPixel < 8 ? 1 : bitsPerPixel / 8))
        return PngResult::Damaged;

    out->width = h.width;
    out->height = h.height;
    out->bgra.assign(static_cast<size_t>(h.width) * h.height * 4, 0);
    const int maxSample = (1 << h.depth) - 1;
    for (int32_t y = 0; y < h.height; ++y) {
        const uint8_t* row = raw.data() + static_cast<size_t>(y) * (rowBytes + 1) + 1;
        uint8_t* px = out->bgra.data() + static_cast<size_t>(y) * h.width * 4;
        // The i-th sample of the row at the image's depth, full width.
        auto sample = [&](size_t i) -> int {
            if (h.depth == 16)
                return row[i * 2] << 8 | row[i * 2 + 1];
            if (h.depth == 8)
                return row[i];
            const size_t bit = i * h.depth;
            return (row[bit / 8] >> (8 - h.depth - bit % 8)) & maxSample;
        };
        auto to8 = [&](int v) { return static_cast<uint8_t>(h.depth == 16 ? v >> 8 : v * 255 / maxSample); };
        const size_t n = static_cast<size_t>(h.Channels());
        for (int32_t x = 0; x < h.width; ++x, px += 4) {
            const size_t s = static_cast<size_t>(x) * n;
            switch (h.colour) {
            case 0: {
                const int v = sample(s);
                px[0] = px[1] = px[2] = to8(v);
                px[3] = v == transparentGrey ? 0 : 255;
                break;
            }
            case 3: {
                const int v = sample(s);
                if (v < paletteSize)
                    std::memcpy(px, palette[v], 4);
                else
                    px[3] = 255;  // black, as other readers show an index past the palette
                break;
            }
            case 4:
                px[0] = px[1] = px[2] = to8(sample(s));
                px[3] = to8(sample(s + 1));
                break;
            default: {
                const int r = sample(s), g = sample(s + 1), b = sample(s + 2);
                px[0] = to8(b);
                px[1] = to8(g);
                px[2] = to8(r);
                px[3] = h.colour == 6                                                             ? to8(sample(s + 3))
                        : r == transparentRgb[0] && g == transparentRgb[1] && b == transparentRgb[2] ? 0
                                                                                                     : 255;
            }
            }
        }
    }
    return PngResult::Ok;
}
