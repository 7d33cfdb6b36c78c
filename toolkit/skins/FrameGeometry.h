// Nine-part frame arithmetic: an image cut at column left and row top; the
// corners are copied, the one-pixel column and row are stretched along the
// edges, the image's own centre is never drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/ElementTypes.h"
#include "toolkit/skins/SkinPiece.h"

enum class FramePieceKind {
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    TopEdge,
    LeftEdge,
    BottomEdge,
    RightEdge,
};

struct FramePiece : SkinPiece {
    FramePieceKind kind = FramePieceKind::TopLeft;
};

struct FrameLayout {
    // The target moved in by the margins of the edges that are drawn.
    ElementRect inner;
    // Corners first, then edges; pieces with nothing to draw are left out.
    std::vector<FramePiece> pieces;
};

// imageW x imageH is the whole bitmap (cells play no part); part is a set
// of FramePart bits.
FrameLayout LayoutFrame(int32_t imageW, int32_t imageH, int32_t left, int32_t top, uint32_t part,
                        const ElementRect& target);
