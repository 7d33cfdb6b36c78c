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

// Left and right parts are copied, the middle is the column at left
// stretched; source x is before any cell offset. The height is always the
// image's. The target is widened to the image's full width first.
std::vector<SkinPiece> LayoutHorzStretch(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t left,
                                         const ElementRect& target);
