#include "toolkit/skins/BitmapBlit.h"

#include <vector>

#include "platform/ScopedWin.h"
#include "toolkit/skins/AlphaBlend.h"

namespace {

// Puts a context's colours back at the end of the scope.
class ScopedColours {
public:
    ScopedColours(HDC dc, COLORREF bk, COLORREF text) : dc_(dc), bk_(SetBkColor(dc, bk)), text_(SetTextColor(dc, text)) {}
    ~ScopedColours()
    {
        SetBkColor(dc_, bk_);
        SetTextColor(dc_, text_);
    }
    ScopedColours(const ScopedColours&) = delete;
    ScopedColours& operator=(const ScopedColours&) = delete;

private:
    HDC dc_;
    COLORREF bk_;
    COLORREF text_;
};

}  // namespace

BITMAPINFO TopDownInfo(int w, int h, WORD bits)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bits;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

void TransparentCopy(HDC target, const PieceRect& dest, HDC source, const PieceRect& src, COLORREF mask)
{
    if (dest.Empty() || src.Empty())
        return;
    const int w = dest.w, h = dest.h;
    ScopedGdiObj<HBITMAP> colour(CreateCompatibleBitmap(target, w, h));
    ScopedGdiObj<HBITMAP> monochrome(CreateBitmap(w, h, 1, 1, nullptr));
    ScopedMemDC colourDc(target);
    ScopedMemDC maskDc(target);
    if (!colour.Get() || !monochrome.Get() || !colourDc.Get() || !maskDc.Get())
        return;
    ScopedSelect colourSel(colourDc, colour.Get());
    ScopedSelect maskSel(maskDc, monochrome.Get());

    if (w == src.w && h == src.h)
        BitBlt(colourDc, 0, 0, w, h, source, src.x, src.y, SRCCOPY);
    else
        StretchBlt(colourDc, 0, 0, w, h, source, src.x, src.y, src.w, src.h, SRCCOPY);

    // Colour to one bit: pixels of the background colour become 1.
    SetBkColor(colourDc, mask);
    BitBlt(maskDc, 0, 0, w, h, colourDc, 0, 0, SRCCOPY);

    // Black out the masked pixels of the colour copy.
    SetBkColor(colourDc, RGB(0, 0, 0));
    SetTextColor(colourDc, RGB(255, 255, 255));
    BitBlt(colourDc, 0, 0, w, h, maskDc, 0, 0, SRCAND);

    // Punch the unmasked pixels out of the target, then fill them in.
    ScopedColours keep(target, RGB(255, 255, 255), RGB(0, 0, 0));
    BitBlt(target, dest.x, dest.y, w, h, maskDc, 0, 0, SRCAND);
    BitBlt(target, dest.x, dest.y, w, h, colourDc, 0, 0, SRCPAINT);
}

bool AlphaCopy(HDC target, int dx, int dy, int w, int h, HBITMAP bitmap, int sx, int sy)
{
    BITMAP bm = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof(bm), &bm) || bm.bmBitsPixel != 32)
        return false;
    PieceRect dest{dx, dy, w, h};
    PieceRect src{sx, sy, w, h};
    if (!ClipCopy(&dest, &src, bm.bmWidth, bm.bmHeight))
        return true;

    // Always through GetDIBits: it gives top-down rows for a section and a
    // device bitmap alike.
    ScopedMemDC screen(nullptr);
    std::vector<uint8_t> pixels(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight) * 4);
    BITMAPINFO bi = TopDownInfo(bm.bmWidth, bm.bmHeight, 32);
    if (!screen.Get() || GetDIBits(screen, bitmap, 0, bm.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS) == 0)
        return false;

    BITMAPINFO ti = TopDownInfo(dest.w, dest.h, 24);
    void* bits = nullptr;
    ScopedGdiObj<HBITMAP> under(CreateDIBSection(target, &ti, DIB_RGB_COLORS, &bits, nullptr, 0));
    ScopedMemDC underDc(target);
    if (!under.Get() || !bits || !underDc.Get())
        return false;
    ScopedSelect sel(underDc, under.Get());
    BitBlt(underDc, 0, 0, dest.w, dest.h, target, dest.x, dest.y, SRCCOPY);
    GdiFlush();
    BlendOnto(BgraImage{pixels.data(), bm.bmWidth, bm.bmHeight}, src.x, src.y, dest.w, dest.h,
              static_cast<uint8_t*>(bits));
    BitBlt(target, dest.x, dest.y, dest.w, dest.h, underDc, 0, 0, SRCCOPY);
    return true;
}
