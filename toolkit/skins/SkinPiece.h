// One piece of a skin: a source rectangle of the image put on a destination
// rectangle, copied at its size or stretched. Plain values, no window
// headers, so the geometry of every skin kind is tested natively.
#pragma once

#include <cstdint>

struct PieceRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;

    bool Empty() const { return w <= 0 || h <= 0; }
};

inline bool operator==(const PieceRect& a, const PieceRect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

struct SkinPiece {
    PieceRect dest;
    PieceRect src;
    bool stretch = false;
};

// True when src lies wholly inside an image of imageW x imageH and is not
// empty. Stretched pieces are drawn only then: scaling a part that is not
// there has no sensible meaning.
bool SourceInside(const PieceRect& src, int32_t imageW, int32_t imageH);

// Cuts an unscaled copy down to the part whose source lies inside the
// image, moving the destination by the same amount. False when nothing is
// left to copy.
bool ClipCopy(PieceRect* dest, PieceRect* src, int32_t imageW, int32_t imageH);
