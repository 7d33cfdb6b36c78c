// A memory canvas for skin drawing tests: a 32-bit top-down DIB section
// filled with a colour no image of the program uses.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include <windows.h>

#include "platform/ScopedWin.h"
#include "toolkit/ElementTypes.h"

namespace skin_test {

// Pixels read as 0xRRGGBB (the DIB's blue, green, red from the low byte).
constexpr uint32_t kBlank = 0x123456;

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), dc_(nullptr)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_.Get());
        Fill(kBlank);
    }
    ~Canvas() { SelectObject(dc_, old_); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Ok() const { return dc_.Get() && bits_; }
    HDC Dc() const { return dc_; }
    int Width() const { return w_; }
    int Height() const { return h_; }
    void Fill(uint32_t rgb)
    {
        GdiFlush();
        for (int i = 0; i < w_ * h_; ++i)
            bits_[i] = rgb;
    }
    uint32_t At(int x, int y) const
    {
        GdiFlush();
        return bits_[y * w_ + x] & 0xFFFFFF;
    }
    // Pixels of [l, r) x [t, b) that are no longer blank.
    int Changed(int l, int t, int r, int b) const
    {
        GdiFlush();
        int n = 0;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                n += (bits_[y * w_ + x] & 0xFFFFFF) != kBlank;
        return n;
    }
    int ChangedOutside(const RECT& r) const
    {
        return Changed(0, 0, w_, h_) - Changed(r.left, r.top, r.right, r.bottom);
    }

private:
    int w_, h_;
    ScopedMemDC dc_;
    ScopedGdiObj<HBITMAP> bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

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

}  // namespace skin_test

#define EXPECT_PIXEL(canvas, x, y, rgb) \
    EXPECT_EQ(skin_test::Hex(rgb), skin_test::Hex((canvas).At(x, y))) << "at " << (x) << "," << (y)
#define EXPECT_PIXEL_NEAR(canvas, x, y, rgb, tol)                                          \
    EXPECT_TRUE(skin_test::Near((canvas).At(x, y), rgb, tol))                              \
        << "at " << (x) << "," << (y) << ": " << skin_test::Hex((canvas).At(x, y)) << " vs " \
        << skin_test::Hex(rgb)
