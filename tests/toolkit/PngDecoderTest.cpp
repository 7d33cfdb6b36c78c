// Our PNG reader against libpng, the reference decoder: every colour type
// and bit depth, every row filter, transparency chunks; then damaged and
// hostile input.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <random>
#include <vector>

#include "toolkit/skins/PngDecoder.h"

namespace {

struct Format {
    int colour;
    int depth;
    bool transparency;
};

void Append(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// A smooth picture with some noise, so libpng picks all of its row filters.
std::vector<uint8_t> Encode(const Format& f, int w, int h, int filters, unsigned seed)
{
    std::vector<uint8_t> file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &file, Append, nullptr);
    png_set_IHDR(png, info, w, h, f.depth, f.colour, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, filters);
    const int maxSample = (1 << f.depth) - 1;
    if (f.colour == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> palette(static_cast<size_t>(maxSample) + 1);
        std::vector<png_byte> alpha(palette.size());
        for (size_t i = 0; i < palette.size(); ++i) {
            palette[i] = {static_cast<png_byte>(i * 37), static_cast<png_byte>(255 - i * 11), static_cast<png_byte>(i * 5)};
            alpha[i] = static_cast<png_byte>(255 - i * 50);
        }
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
        if (f.transparency)
            png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size() > 3 ? 3 : alpha.size()), nullptr);
    } else if (f.transparency) {
        png_color_16 key = {};
        key.gray = static_cast<png_uint_16>(maxSample / 3);
        key.red = 0;
        key.green = static_cast<png_uint_16>(maxSample / 3);
        key.blue = static_cast<png_uint_16>(maxSample);
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int channels = f.colour == 0 || f.colour == 3 ? 1 : f.colour == 2 ? 3 : f.colour == 4 ? 2 : 4;
    const size_t rowBytes = (static_cast<size_t>(w) * channels * f.depth + 7) / 8;
    std::mt19937 random(seed);
    std::vector<uint8_t> row(rowBytes);
    for (int y = 0; y < h; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < w * channels; ++x) {
            int v = (x * 7 + y * 3) % (maxSample + 1);
            if (random() % 4 == 0)
                v = static_cast<int>(random() % (maxSample + 1));
            if (f.depth == 16) {
                row[x * 2] = static_cast<uint8_t>(v >> 8);
                row[x * 2 + 1] = static_cast<uint8_t>(v);
            } else {
                const size_t bit = static_cast<size_t>(x) * f.depth;
                row[bit / 8] |= static_cast<uint8_t>(v << (8 - f.depth - bit % 8));
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return file;
}

struct Reader {
    const std::vector<uint8_t>* file;
    size_t at;
};

void Take(png_structp png, png_bytep data, png_size_t length)
{
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (r->at + length > r->file->size())
        png_error(png, "short");
    std::memcpy(data, r->file->data() + r->at, length);
    r->at += length;
}

// libpng's reading in our pixel layout: 8 bits, blue first, straight alpha.
std::vector<uint8_t> ReferenceBgra(const std::vector<uint8_t>& file)
{
    std::vector<uint8_t> pixels;
    Reader reader{&file, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return {};
    }
    png_set_read_fn(png, &reader, Take);
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_expand(png);  // palette to RGB, low depths to 8, tRNS to alpha
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_read_update_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    pixels.resize(static_cast<size_t>(w) * h * 4);
    for (png_uint_32 y = 0; y < h; ++y)
        png_read_row(png, pixels.data() + static_cast<size_t>(y) * w * 4, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return pixels;
}

}  // namespace

TEST(PngDecoder, ReadsEveryFormatAsLibpngDoes)
{
    const Format formats[] = {
        {PNG_COLOR_TYPE_GRAY, 1, false},      {PNG_COLOR_TYPE_GRAY, 2, true},   {PNG_COLOR_TYPE_GRAY, 4, false},
        {PNG_COLOR_TYPE_GRAY, 8, true},       {PNG_COLOR_TYPE_GRAY, 16, true},  {PNG_COLOR_TYPE_PALETTE, 1, false},
        {PNG_COLOR_TYPE_PALETTE, 2, true},    {PNG_COLOR_TYPE_PALETTE, 4, true}, {PNG_COLOR_TYPE_PALETTE, 8, true},
        {PNG_COLOR_TYPE_RGB, 8, false},       {PNG_COLOR_TYPE_RGB, 8, true},    {PNG_COLOR_TYPE_RGB, 16, true},
        {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false}, {PNG_COLOR_TYPE_GRAY_ALPHA, 16, false},
        {PNG_COLOR_TYPE_RGBA, 8, false},      {PNG_COLOR_TYPE_RGBA, 16, false},
    };
    const int filters[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG, PNG_FILTER_PAETH,
                           PNG_ALL_FILTERS};
    for (const Format& f : formats) {
        for (int filter : filters) {
            SCOPED_TRACE(testing::Message() << "colour " << f.colour << " depth " << f.depth << " tRNS "
                                            << f.transparency << " filters " << filter);
            // Odd widths leave partial bytes at the end of low-depth rows.
            const std::vector<uint8_t> file = Encode(f, 13, 9, filter, 7u * f.colour + f.depth);
            ASSERT_FALSE(file.empty());
            PngPixels ours;
            ASSERT_EQ(DecodePng(file.data(), file.size(), &ours), PngResult::Ok);
            EXPECT_EQ(ours.width, 13);
            EXPECT_EQ(ours.height, 9);
            EXPECT_EQ(ours.bgra, ReferenceBgra(file));
        }
    }
}

TEST(PngDecoder, DamagedAndHostileInputIsRefused)
{
    const std::vector<uint8_t> good = Encode({PNG_COLOR_TYPE_RGBA, 8, false}, 40, 30, PNG_ALL_FILTERS, 1);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(ReadPngSize(good.data(), good.size(), &w, &h));
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 30);
    PngPixels out;
    EXPECT_EQ(DecodePng(nullptr, 0, &out), PngResult::NotPng);
    EXPECT_EQ(DecodePng(reinterpret_cast<const uint8_t*>("GIF89a........................................"), 40, &out),
              PngResult::NotPng);
    // Every cut of a real file is refused, or (cut only after the image
    // data) read whole; never a read past it (the sanitizer build checks).
    PngPixels whole;
    ASSERT_EQ(DecodePng(good.data(), good.size(), &whole), PngResult::Ok);
    for (size_t cut = 0; cut < good.size(); ++cut) {
        std::vector<uint8_t> part(good.begin(), good.begin() + static_cast<long>(cut));
        PngPixels read;
        if (DecodePng(part.data(), part.size(), &read) == PngResult::Ok) {
            EXPECT_EQ(read.bgra, whole.bgra) << cut;
        }
    }
    // Flipped bytes anywhere: any answer, no crash.
    for (size_t at = 8; at < good.size(); at += 3) {
        std::vector<uint8_t> bad = good;
        bad[at] ^= 0x5A;
        DecodePng(bad.data(), bad.size(), &out);
    }
    // A header that declares more than the data can hold, or more than we
    // take at all, is refused before allocating.
    std::vector<uint8_t> huge = good;
    huge[16] = huge[17] = 0;
    huge[18] = huge[22] = 0x07;
    huge[19] = huge[23] = 0xD0;  // 2000 x 2000
    EXPECT_EQ(DecodePng(huge.data(), huge.size(), &out), PngResult::Damaged);
    huge[18] = 0x7F;
    EXPECT_EQ(DecodePng(huge.data(), huge.size(), &out), PngResult::TooLarge);
    // An interlaced image is left to the system's reader.
    std::vector<uint8_t> interlaced = good;
    interlaced[28] = 1;
    EXPECT_EQ(DecodePng(interlaced.data(), interlaced.size(), &out), PngResult::Interlaced);
}
