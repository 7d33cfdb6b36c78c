#include "toolkit/skins/FrameGeometry.h"

#include <algorithm>

#include "toolkit/skins/SkinWords.h"

namespace {

// Attribute values are unchecked, so sums are made in 64 bits and brought
// back into range.
int32_t Fit(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

PieceRect Piece(int64_t x, int64_t y, int64_t w, int64_t h)
{
    return PieceRect{Fit(x), Fit(y), Fit(w), Fit(h)};
}

void Add(FrameLayout* layout, FramePieceKind kind, const PieceRect& dest, const PieceRect& src, bool stretch)
{
    if (dest.Empty() || src.Empty())
        return;
    FramePiece p;
    p.kind = kind;
    p.dest = dest;
    p.src = src;
    p.stretch = stretch;
    layout->pieces.push_back(p);
}

}  // namespace

FrameLayout LayoutFrame(int32_t imageW, int32_t imageH, int32_t left, int32_t top, uint32_t part,
                        const ElementRect& target)
{
    const int64_t W = imageW, H = imageH, L = left, T = top;
    const int64_t rightW = W - L - 1;   // width of the right column
    const int64_t bottomH = H - T - 1;  // height of the bottom row
    const bool drawTop = part & FrameTop, drawBottom = part & FrameBottom;
    const bool drawLeft = part & FrameLeft, drawRight = part & FrameRight;

    const int64_t rl = target.left, rt = target.top, rr = target.right, rb = target.bottom;
    const int64_t il = rl + (drawLeft ? L : 0);
    const int64_t it = rt + (drawTop ? T : 0);
    const int64_t ir = rr - (drawRight ? rightW : 0);
    const int64_t ib = rb - (drawBottom ? bottomH : 0);

    FrameLayout layout;
    layout.inner = ElementRect{Fit(il), Fit(it), Fit(ir), Fit(ib)};

    if (drawTop && drawLeft)
        Add(&layout, FramePieceKind::TopLeft, Piece(rl, rt, L, T), Piece(0, 0, L, T), false);
    if (drawTop && drawRight)
        Add(&layout, FramePieceKind::TopRight, Piece(ir, rt, rightW, T), Piece(L + 1, 0, rightW, T), false);
    if (drawBottom && drawLeft)
        Add(&layout, FramePieceKind::BottomLeft, Piece(rl, ib, L, bottomH), Piece(0, T + 1, L, bottomH), false);
    if (drawBottom && drawRight)
        Add(&layout, FramePieceKind::BottomRight, Piece(ir, ib, rightW, bottomH), Piece(L + 1, T + 1, rightW, bottomH),
            false);

    const int64_t innerW = ir - il, innerH = ib - it;
    if (drawTop)
        Add(&layout, FramePieceKind::TopEdge, Piece(il, rt, innerW, T), Piece(L, 0, 1, T), true);
    if (drawLeft)
        Add(&layout, FramePieceKind::LeftEdge, Piece(rl, it, L, innerH), Piece(0, T, L, 1), true);
    if (drawBottom)
        Add(&layout, FramePieceKind::BottomEdge, Piece(il, rb - H + T + 1, innerW, bottomH), Piece(L, T + 1, 1, bottomH),
            true);
    if (drawRight)
        Add(&layout, FramePieceKind::RightEdge, Piece(ir, it, rightW, innerH), Piece(L + 1, T, rightW, 1), true);
    return layout;
}
