// A memory canvas for pixel tests under Wine: a 32-bit top-down DIB section
// selected into a memory DC and filled with a blank colour no image of the
// program uses, with transparent text backgrounds as the host's view paints.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/ScopedWin.h"
#include "toolkit/skins/BitmapBlit.h"

namespace pixel_test {

// DIB words hold blue, green, red from the low byte, so pixels read as
// 0xRRGGBB; COLORREF values are red first (0xBBGGRR).
inline uint32_t Dib(COLORREF colour)
{
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// Every channel within `tolerance` of the other pixel's.
inline bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int s = 0; s < 24; s += 8) {
        if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

inline std::string Hex(uint32_t rgb)
{
    char text[16];
    wsprintfA(text, "%06X", rgb);
    return text;
}

class MemoryCanvas {
public:
    static constexpr uint32_t kBlank = 0x102030;
    // What At reads outside the canvas or on a canvas that could not be made:
    // no 24-bit pixel equals it.
    static constexpr uint32_t kOutside = 0xDEADBEEF;

    MemoryCanvas(int w, int h, uint32_t blank = kBlank) : w_(w), h_(h), blank_(blank & 0xFFFFFF), dc_(nullptr)
    {
        void* bits = nullptr;
        BITMAPINFO bi = TopDownInfo(w, h, 32);
        if (w > 0 && h > 0)
            bitmap_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint32_t*>(bits);
        if (!bits_)
            w_ = h_ = 0;
        if (bitmap_.Get())
            old_ = SelectObject(dc_, bitmap_.Get());
        GdiFlush();
        for (int i = 0; i < w_ * h_; ++i)
            bits_[i] = blank_;
        SetBkMode(dc_, TRANSPARENT);
    }
    ~MemoryCanvas()
    {
        if (old_)
            SelectObject(dc_, old_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Dc() const { return dc_; }

    uint32_t At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= w_ || y >= h_)
            return kOutside;
        GdiFlush();
        return bits_[y * w_ + x] & 0xFFFFFF;
    }
    // Pixels of [l, r) x [t, b) that are no longer blank.
    int Changed(int l, int t, int r, int b) const
    {
        int count = 0;
        ForEach(l, t, r, b, [&](uint32_t p) { count += p != blank_; });
        return count;
    }
    int ChangedOutside(const RECT& r) const
    {
        return Changed(0, 0, w_, h_) - Changed(r.left, r.top, r.right, r.bottom);
    }
    // Pixels of [l, r) x [t, b) that equal `rgb` exactly.
    int Count(int l, int t, int r, int b, uint32_t rgb) const
    {
        int count = 0;
        ForEach(l, t, r, b, [&](uint32_t p) { count += p == (rgb & 0xFFFFFF); });
        return count;
    }

private:
    // Visits the pixels of the box clipped to the canvas, row by row.
    template <class Visit>
    void ForEach(int l, int t, int r, int b, Visit visit) const
    {
        GdiFlush();
        l = l < 0 ? 0 : l;
        t = t < 0 ? 0 : t;
        r = r > w_ ? w_ : r;
        b = b > h_ ? h_ : b;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                visit(bits_[y * w_ + x] & 0xFFFFFF);
    }

    int w_, h_;
    uint32_t blank_;
    ScopedMemDC dc_;
    ScopedGdiObj<HBITMAP> bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace pixel_test

#define EXPECT_PIXEL_NEAR(canvas, x, y, rgb, tol)                                            \
    EXPECT_TRUE(pixel_test::Near((canvas).At(x, y), rgb, tol))                               \
        << "at " << (x) << "," << (y) << ": " << pixel_test::Hex((canvas).At(x, y)) << " vs " \
        << pixel_test::Hex(rgb)
