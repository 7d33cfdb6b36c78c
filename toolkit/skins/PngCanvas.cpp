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
    // Stretched parts of a skin replicate their rows or columns; smoothing
    // would blend in the transparent outside of the image at its edges.
    const bool scaled = dest.w != src.w || dest.h != src.h;
    InterpolationMode oldInterpolation = InterpolationModeDefault;
    PixelOffsetMode oldOffset = PixelOffsetModeDefault;
    if (scaled) {
        DllExports::GdipGetInterpolationMode(graphics_, &oldInterpolation);
        DllExports::GdipGetPixelOffsetMode(graphics_, &oldOffset);
        DllExports::GdipSetInterpolationMode(graphics_, InterpolationModeNearestNeighbor);
        DllExports::GdipSetPixelOffsetMode(graphics_, PixelOffsetModeHalf);
    }
    DllExports::GdipDrawImageRectRectI(graphics_, image.Get(), dest.x, dest.y, dest.w, dest.h, src.x, src.y,
                                       src.w, src.h, UnitPixel, nullptr, nullptr, nullptr);
    if (scaled) {
        DllExports::GdipSetInterpolationMode(graphics_, oldInterpolation);
        DllExports::GdipSetPixelOffsetMode(graphics_, oldOffset);
    }
}

