// Our own reader of the PNG images the program shows (skins and package
// icons), so a start needs no system image codec. Non-interlaced images of
// every colour type and bit depth; an interlaced one is refused and the
// caller may hand it to the system's codec.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct PngPixels {
    int32_t width = 0;
    int32_t height = 0;
    // Rows top to bottom, four bytes a pixel in the order blue, green, red,
    // alpha (not premultiplied): what a 32-bit ARGB bitmap holds.
    std::vector<uint8_t> bgra;
};

enum class PngResult { Ok, NotPng, Damaged, TooLarge, Interlaced };

// Sides beyond this, or a pixel count beyond kPngMaxPixels (16 MB of
// pixels), are refused before anything is allocated; so is image data too
// short to inflate to what the header declares.
constexpr int32_t kPngMaxSide = 4096;
constexpr int64_t kPngMaxPixels = 4 * 1024 * 1024;

// The size from the header alone; false when the bytes start no PNG.
bool ReadPngSize(const uint8_t* bytes, size_t size, int32_t* width, int32_t* height);

PngResult DecodePng(const uint8_t* bytes, size_t size, PngPixels* out);
