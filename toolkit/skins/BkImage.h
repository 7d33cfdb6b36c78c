// A bitmap holder: a bitmap shared with the bitmap pool, the width of one
// cell of a strip, and how the bitmap is put on a target.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "toolkit/skins/SkinPiece.h"

class CBkImage {
public:
    // "src" (bitmap resource id, fetched from the pool at once), "subwidth",
    // "mode" ("none", "mask", "alpha") and "maskcolor"; 0 when applied.
    int32_t SetImageAttribute(const std::string& name, const std::string& value);

    // Not owned; nullptr removes the bitmap.
    void SetBitmap(HBITMAP bitmap);
    HBITMAP Bitmap() const { return bitmap_; }
    int32_t BitmapWidth() const { return width_; }
    int32_t BitmapHeight() const { return height_; }

    int32_t subwidth = 0;  // 0: the bitmap is one image
    int32_t mode = 0;      // ImageMode
    COLORREF maskColour = RGB(255, 0, 255);

    // One cell (or the whole bitmap for cell -1) at natural size at (x, y).
    void DrawImage(HDC dc, int32_t x, int32_t y, int32_t cell) const;
    // Unscaled copy from (sx, sy), moved right by the cell's offset.
    void Copy(HDC dc, const PieceRect& dest, int32_t sx, int32_t sy, int32_t cell) const;
    // The same, scaling src onto dest.
    void Stretch(HDC dc, const PieceRect& dest, const PieceRect& src, int32_t cell) const;

private:
    void Put(HDC dc, PieceRect dest, PieceRect src, bool stretch) const;

    HBITMAP bitmap_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
};
