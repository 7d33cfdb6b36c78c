#include "toolkit/skins/StretchGeometry.h"

#include <algorithm>

namespace {

int32_t Fit(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

PieceRect Piece(int64_t x, int64_t y, int64_t w, int64_t h)
{
    return PieceRect{Fit(x), Fit(y), Fit(w), Fit(h)};
}

}  // namespace

VertStretchLayout LayoutVertStretch(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t top, int32_t state,
                                    const ElementRect& target)
{
    VertStretchLayout layout;
    int32_t cell = state;
    // Unsigned on purpose: -1 and any cell past the strip become cell 0.
    if (static_cast<uint32_t>(cell) * static_cast<uint32_t>(subwidth) >= static_cast<uint32_t>(imageW))
        cell = 0;
    layout.cell = cell;

    const int64_t w = subwidth != 0 ? subwidth : imageW;
    const int64_t h = imageH, T = top;
    const int64_t s = int64_t{subwidth} * cell;
    const int64_t rl = target.left, rt = target.top, rb = target.bottom;
    const int64_t rh = rb - rt;

    const SkinPiece parts[3] = {
        {Piece(rl, rt, w, T), Piece(s, 0, w, T), true},
        {Piece(rl, rt + T, w, rh - 2 * T - 1), Piece(s, T, w, h - 2 * T - 1), true},
        {Piece(rl, rb - T - 1, w, T + 1), Piece(s, h - T - 1, w, T + 1), true},
    };
    for (const SkinPiece& p : parts) {
        // A negative source height is kept: the image call mirrors it, which
        // is how a strip whose top is as high as the image still fills the
        // middle.
        if (!p.dest.Empty() && p.src.w > 0 && p.src.h != 0)
            layout.pieces.push_back(p);
    }
    return layout;
}

std::vector<SkinPiece> LayoutHorzStretch(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t left,
                                         const ElementRect& target)
{
    int64_t rl = target.left, rt = target.top, rr = target.right;
    int64_t W = imageW;
    const int64_t H = imageH, L = left;
    if (rr - rl < W)
        rr = rl + W;
    if (subwidth > 0)
        W = subwidth;

    std::vector<SkinPiece> pieces;
    const SkinPiece parts[3] = {
        {Piece(rl, rt, L, H), Piece(0, 0, L, H), false},
        {Piece(rr - W + L + 1, rt, W - L - 1, H), Piece(L + 1, 0, W - L - 1, H), false},
        {Piece(rl + L, rt, rr - rl - W + 1, H), Piece(L, 0, 1, H), true},
    };
    for (const SkinPiece& p : parts) {
        if (!p.dest.Empty() && !p.src.Empty())
            pieces.push_back(p);
    }
    return pieces;
}
