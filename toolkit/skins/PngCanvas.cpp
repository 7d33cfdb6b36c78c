#include "toolkit/skins/PngCanvas.h"

#include <objidl.h>
#include <gdiplus.h>

using namespace Gdiplus;

PngCanvas::PngCanvas(HDC dc)
{
    if (DllExports::GdipCreateFromHDC(dc, &graphics_) != Ok)
        graphics_ = nullptr;
}

PngCanvas::~PngCanvas()
{
    if (graphics_)
        DllExports::GdipDeleteGraphics(graphics_);
}

void PngCanvas::DrawWhole(const BkPngImage& image, int32_t x, int32_t y)
{
    if (graphics_ && image.Valid())
        DllExports::GdipDrawImageRectI(graphics_, image.Get(), x, y, image.Width(), image.Height());
}

void PngCanvas::DrawPart(const BkPngImage& image, const PieceRect& dest, const PieceRect& src)
{
    if (!graphics_ || !image.Valid() || dest.Empty())
        return;
    DllExports::GdipDrawImageRectRectI(graphics_, image.Get(), dest.x, dest.y, dest.w, dest.h, src.x, src.y,
                                       src.w, src.h, UnitPixel, nullptr, nullptr, nullptr);
}

