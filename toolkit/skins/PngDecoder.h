// The PNG images the program shows (skins and package icons), read by
// libpng, so a start needs no system image codec. Package icons come from
// any download: a file libpng refuses (damaged, or larger than we decode
// ourselves) is left to the system's codec, which draws what it can.
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

enum class PngResult { Ok, NotPng, Damaged, TooLarge };

// Images of more pixels than this (64 MB of pixels) are not decoded here;
// no icon or skin comes near it.
constexpr int64_t kPngMaxPixels = 16 * 1024 * 1024;

PngResult DecodePng(const uint8_t* bytes, size_t size, PngPixels* out);

// Width times height as a PNG's first chunk declares them, whatever its
// checksum and the rest; 0 when the bytes do not start as a PNG.
int64_t PngHeaderPixels(const uint8_t* bytes, size_t size);
