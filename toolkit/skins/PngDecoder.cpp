#include "toolkit/skins/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

struct Source {
    const uint8_t* bytes;
    size_t size;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t n)
{
    Source* s = static_cast<Source*>(png_get_io_ptr(png));
    if (n > s->size - s->at)
        png_error(png, "read past the end");
    std::memcpy(out, s->bytes + s->at, n);
    s->at += n;
}

// Errors jump back to Read's setjmp; warnings (a damaged ancillary chunk,
// which libpng skips) say nothing.
void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Quiet(png_structp, png_const_charp) {}

// libpng reports errors with longjmp: everything here that must be freed
// lives in the caller's frame or in libpng's own structures, never in an
// object with a destructor between setjmp and the jump.
PngResult Read(png_structp png, png_infop info, Source* source, PngPixels* out, std::vector<png_bytep>* rows)
{
    if (setjmp(png_jmpbuf(png)))
        return PngResult::Damaged;
    png_set_read_fn(png, source, ReadFromMemory);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || static_cast<int64_t>(width) * height > kPngMaxPixels)
        return PngResult::TooLarge;
    // Samples as the file holds them, as the system's codec shows them:
    // 16 bits cut to 8, palettes and grey expanded, transparency as alpha,
    // and no gamma correction (GDI+ applies none either).
    png_set_strip_16(png);
    png_set_packing(png);
    png_set_palette_to_rgb(png);
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_tRNS_to_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4)
        return PngResult::Damaged;
    out->bgra.resize(static_cast<size_t>(width) * height * 4);
    rows->resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        (*rows)[y] = out->bgra.data() + static_cast<size_t>(y) * width * 4;
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    out->width = static_cast<int32_t>(width);
    out->height = static_cast<int32_t>(height);
    return PngResult::Ok;
}

}  // namespace

PngResult DecodePng(const uint8_t* bytes, size_t size, PngPixels* out)
{
    *out = PngPixels();
    if (!bytes || size < 8 || png_sig_cmp(bytes, 0, 8) != 0)
        return PngResult::NotPng;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return PngResult::TooLarge;
    }
    Source source{bytes, size, 0};
    std::vector<png_bytep> rows;
    const PngResult result = Read(png, info, &source, out, &rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (result != PngResult::Ok)
        *out = PngPixels();
    return result;
}

int64_t PngHeaderPixels(const uint8_t* bytes, size_t size)
{
    // Signature, then IHDR: length, type, width, height, big-endian.
    if (!bytes || size < 24 || png_sig_cmp(bytes, 0, 8) != 0 || std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return 0;
    auto u32 = [&](size_t at) {
        return static_cast<int64_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
    };
    return u32(16) * u32(20);
}
