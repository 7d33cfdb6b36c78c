#include "toolkit/skins/AlphaBlend.h"

void BlendOnto(const BgraImage& source, int32_t sx, int32_t sy, int32_t w, int32_t h, uint8_t* target)
{
    if (!source.pixels || !target || w <= 0 || h <= 0)
        return;
    const size_t stride = Dib24Stride(w);
    for (int32_t row = 0; row < h; ++row) {
        const int64_t y = int64_t{sy} + row;
        if (y < 0 || y >= source.height)
            continue;
        uint8_t* out = target + stride * static_cast<size_t>(row);
        const uint8_t* in = source.pixels + static_cast<size_t>(y) * static_cast<size_t>(source.width) * 4;
        for (int32_t col = 0; col < w; ++col) {
            const int64_t x = int64_t{sx} + col;
            if (x < 0 || x >= source.width)
                continue;
            const uint8_t* p = in + static_cast<size_t>(x) * 4;
            uint8_t* t = out + static_cast<size_t>(col) * 3;
            for (int c = 0; c < 3; ++c)
                t[c] = BlendChannel(p[c], t[c], p[3]);
        }
    }
}
