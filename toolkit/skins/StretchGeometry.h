// Three-part stretches: a PNG strip stretched vertically between a fixed
// top and bottom, a bitmap stretched horizontally between a fixed left and
// right part, and the cell rectangle of a PNG strip.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/ElementTypes.h"
#include "toolkit/skins/SkinPiece.h"

struct VertStretchLayout {
    int32_t cell = 0;               // the cell actually drawn
    std::vector<SkinPiece> pieces;  // top, middle, bottom; empty ones left out
};

// All three pieces are stretched (drawn through one image call each). The
// top is top pixels high, the bottom top + 1; a cell whose offset is not
// inside the image falls back to cell 0.
VertStretchLayout LayoutVertStretch(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t top, int32_t state,
                                    const ElementRect& target);

// Brings a stretched piece inside an image of imageW x imageH, for image
// calls that read nothing sensible outside it. A negative source extent is
// read as the image call reads it, mirrored: the piece becomes one piece
// per source pixel, in reverse order. Source rows or columns beyond the
// image repeat its edge. Appends nothing when the image or the destination
// is empty.
void FitPieceToImage(const SkinPiece& piece, int32_t imageW, int32_t imageH, std::vector<SkinPiece>* out);

// Left and right parts are copied, the middle is the column at left
// stretched; source x is before any cell offset. The height is always the
// image's. The target is widened to the image's full width first.
std::vector<SkinPiece> LayoutHorzStretch(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t left,
                                         const ElementRect& target);

// Source of one cell of a PNG strip: (subwidth * state, 0, subwidth, h), or
// the whole image when subwidth is 0. False when nothing of the image lies
// in it, so a cell beyond the strip draws nothing.
bool PngCellSource(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t state, PieceRect* src);
