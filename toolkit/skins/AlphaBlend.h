// Per-pixel alpha blending of a 32-bit image (blue, green, red, alpha) onto
// 24-bit target rows, as the alpha mode of bitmap skins draws.
#pragma once

#include <cstddef>
#include <cstdint>

// (source * a + target * (255 - a)) / 255, integer division.
inline uint8_t BlendChannel(uint8_t source, uint8_t target, uint8_t alpha)
{
    return static_cast<uint8_t>((source * alpha + target * (255 - alpha)) / 255);
}

// Bytes per row of a 24-bit device-independent bitmap: padded to 4.
inline size_t Dib24Stride(int32_t width)
{
    return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
}

struct BgraImage {
    const uint8_t* pixels = nullptr;  // top-down rows of 4-byte pixels
    int32_t width = 0;
    int32_t height = 0;
};

// Blends the w x h source block at (sx, sy) into the target rows (24-bit,
// top-down, Dib24Stride(w) apart). Source pixels outside the image leave
// their target pixel as it was.
void BlendOnto(const BgraImage& source, int32_t sx, int32_t sy, int32_t w, int32_t h, uint8_t* target);
