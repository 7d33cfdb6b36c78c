// A GDI+ graphics object on a device context, with default settings, for
// drawing pool images; released at the end of the scope.
#pragma once

#include <windows.h>

#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/SkinPiece.h"

namespace Gdiplus {
class GpGraphics;
}

class PngCanvas {
public:
    explicit PngCanvas(HDC dc);
    ~PngCanvas();
    PngCanvas(const PngCanvas&) = delete;
    PngCanvas& operator=(const PngCanvas&) = delete;

    // The whole image at its own size.
    void DrawWhole(const BkPngImage& image, int32_t x, int32_t y);
    // src of the image, in pixels, onto dest, with GDI+'s default settings
    // (a source reaching outside the image is GDI+'s to bound); invalid
    // images draw nothing.
    void DrawPart(const BkPngImage& image, const PieceRect& dest, const PieceRect& src);


private:
    Gdiplus::GpGraphics* graphics_ = nullptr;
};
