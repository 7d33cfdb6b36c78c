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

// One axis of a piece: destination d0 + dn from source s0 + sn.
struct Segment {
    int64_t d0, dn, s0, sn;
};

// Cuts one axis at the image's edges: the part inside maps as it is, the
// parts outside take the edge pixel stretched over their share. A mirrored
// part (sn < 0) is cut into single source pixels laid in reverse order, so
// the image call never has to turn an image round.
std::vector<Segment> SplitAxis(int64_t d0, int64_t dn, int64_t s0, int64_t sn, int64_t limit)
{
    std::vector<Segment> out;
    if (dn <= 0 || sn == 0 || limit <= 0)
        return out;
    const bool mirrored = sn < 0;
    const int64_t lo = std::min(s0, s0 + sn), hi = std::max(s0, s0 + sn), len = hi - lo;
    // 128-bit product: both factors may be near 2^32.
    auto pos = [&](int64_t v) {
        const __int128 share = static_cast<__int128>(mirrored ? hi - v : v - lo) * dn / len;
        return d0 + static_cast<int64_t>(share);
    };
    auto add = [&](int64_t a, int64_t b, int64_t src, int64_t srcLen) {
        const int64_t p = pos(a), q = pos(b);
        const int64_t top = std::min(p, q), size = std::max(p, q) - top;
        if (size > 0)
            out.push_back(Segment{top, size, src, srcLen});
    };
    const int64_t inLo = std::clamp<int64_t>(0, lo, hi), inHi = std::clamp<int64_t>(limit, lo, hi);
    if (lo < inLo)
        add(lo, inLo, 0, 1);
    if (inLo < inHi) {
        if (!mirrored) {
            add(inLo, inHi, inLo, inHi - inLo);
        } else {
            for (int64_t v = inLo; v < inHi; ++v)
                add(v, v + 1, v, 1);
        }
    }
    if (inHi < hi)
        add(inHi, hi, limit - 1, 1);
    return out;
}

}  // namespace

void FitPieceToImage(const SkinPiece& piece, int32_t imageW, int32_t imageH, std::vector<SkinPiece>* out)
{
    const auto xs = SplitAxis(piece.dest.x, piece.dest.w, piece.src.x, piece.src.w, imageW);
    const auto ys = SplitAxis(piece.dest.y, piece.dest.h, piece.src.y, piece.src.h, imageH);
    for (const Segment& y : ys) {
        for (const Segment& x : xs) {
            SkinPiece p;
            p.dest = Piece(x.d0, y.d0, x.dn, y.dn);
            p.src = Piece(x.s0, y.s0, x.sn, y.sn);
            p.stretch = true;
            out->push_back(p);
        }
    }
}

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

bool PngCellSource(int32_t imageW, int32_t imageH, int32_t subwidth, int32_t state, PieceRect* src)
{
    if (imageW <= 0 || imageH <= 0)
        return false;
    if (subwidth == 0) {
        *src = PieceRect{0, 0, imageW, imageH};
        return true;
    }
    const int64_t x = int64_t{subwidth} * state;
    if (subwidth < 0 || x < 0 || x >= imageW)
        return false;
    *src = PieceRect{static_cast<int32_t>(x), 0, subwidth, imageH};
    return true;
}
