#include "toolkit/skins/SkinPiece.h"

#include <algorithm>

bool SourceInside(const PieceRect& src, int32_t imageW, int32_t imageH)
{
    if (src.Empty() || src.x < 0 || src.y < 0)
        return false;
    // 64-bit sums: the values come from skin attributes and may be huge.
    return int64_t{src.x} + src.w <= imageW && int64_t{src.y} + src.h <= imageH;
}

bool ClipCopy(PieceRect* dest, PieceRect* src, int32_t imageW, int32_t imageH)
{
    int64_t w = std::min<int64_t>(dest->w, src->w);
    int64_t h = std::min<int64_t>(dest->h, src->h);
    int64_t sx = src->x, sy = src->y, dx = dest->x, dy = dest->y;
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    w = std::min<int64_t>(w, int64_t{imageW} - sx);
    h = std::min<int64_t>(h, int64_t{imageH} - sy);
    if (w <= 0 || h <= 0 || dx > INT32_MAX || dy > INT32_MAX)
        return false;
    *src = PieceRect{static_cast<int32_t>(sx), static_cast<int32_t>(sy), static_cast<int32_t>(w), static_cast<int32_t>(h)};
    *dest = PieceRect{static_cast<int32_t>(dx), static_cast<int32_t>(dy), static_cast<int32_t>(w), static_cast<int32_t>(h)};
    return true;
}
