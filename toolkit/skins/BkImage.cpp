#include "toolkit/skins/BkImage.h"

#include "platform/ScopedWin.h"
#include "toolkit/BkObject.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/skins/BitmapBlit.h"
#include "toolkit/skins/BkBmpPool.h"
#include "toolkit/skins/SkinWords.h"

int32_t CBkImage::SetImageAttribute(const std::string& name, const std::string& value)
{
    if (name == "src") {
        SetBitmap(BkBmpPool::Instance().GetBitmap(static_cast<unsigned>(ParseDecimal(value))));
        return kAttrApplied;
    }
    if (name == "subwidth") {
        subwidth = ParseDecimal(value);
        return kAttrApplied;
    }
    if (name == "mode")
        return ParseImageMode(value, &mode) ? kAttrApplied : kAttrNotRecognised;
    if (name == "maskcolor") {
        maskColour = ParseColour(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

void CBkImage::SetBitmap(HBITMAP bitmap)
{
    bitmap_ = bitmap;
    width_ = 0;
    height_ = 0;
    BITMAP bm = {};
    if (bitmap_ && GetObjectW(bitmap_, sizeof(bm), &bm)) {
        width_ = bm.bmWidth;
        height_ = bm.bmHeight;
    }
}

void CBkImage::DrawImage(HDC dc, int32_t x, int32_t y, int32_t cell) const
{
    if (!bitmap_ || (subwidth == 0 && cell != -1))
        return;
    const int32_t w = cell != -1 ? subwidth : width_;
    const int64_t sx = cell != -1 ? int64_t{cell} * subwidth : 0;
    if (w <= 0 || sx < 0 || sx >= width_)
        return;
    const PieceRect dest{x, y, w, height_};
    const PieceRect src{static_cast<int32_t>(sx), 0, w, height_};
    if (mode == ImageModeAlpha)
        AlphaCopy(dc, dest.x, dest.y, dest.w, dest.h, bitmap_, src.x, src.y);
    else
        Put(dc, dest, src, false);
}

void CBkImage::Copy(HDC dc, const PieceRect& dest, int32_t sx, int32_t sy, int32_t cell) const
{
    const int64_t x = sx + CellOffset(cell, subwidth);
    if (x < INT32_MIN || x > INT32_MAX)
        return;
    Put(dc, dest, PieceRect{static_cast<int32_t>(x), sy, dest.w, dest.h}, false);
}

void CBkImage::Stretch(HDC dc, const PieceRect& dest, const PieceRect& src, int32_t cell) const
{
    const int64_t x = src.x + CellOffset(cell, subwidth);
    if (x < INT32_MIN || x > INT32_MAX)
        return;
    Put(dc, dest, PieceRect{static_cast<int32_t>(x), src.y, src.w, src.h}, true);
}

void CBkImage::Put(HDC dc, PieceRect dest, PieceRect src, bool stretch) const
{
    // Alpha blending is only for whole cells (DrawImage).
    if (!bitmap_ || mode == ImageModeAlpha || dest.Empty())
        return;
    if (stretch) {
        if (!SourceInside(src, width_, height_))
            return;
    } else if (!ClipCopy(&dest, &src, width_, height_)) {
        return;
    }
    ScopedMemDC source(nullptr);
    if (!source.Get())
        return;
    ScopedSelect sel(source, bitmap_);
    if (mode == ImageModeMask)
        TransparentCopy(dc, dest, source, src, maskColour);
    else if (stretch)
        StretchBlt(dc, dest.x, dest.y, dest.w, dest.h, source, src.x, src.y, src.w, src.h, SRCCOPY);
    else
        BitBlt(dc, dest.x, dest.y, dest.w, dest.h, source, src.x, src.y, SRCCOPY);
}
