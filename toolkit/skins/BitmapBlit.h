// Putting bitmap parts on a target with one colour transparent or with
// per-pixel alpha. Temporaries live only for the call.
#pragma once

#include <windows.h>

#include "toolkit/skins/SkinPiece.h"

// Header of a top-down DIB of w x h pixels with the given bits per pixel.
BITMAPINFO TopDownInfo(int w, int h, WORD bits);

// Copies src of the source context onto dest of the target, stretching when
// the sizes differ; pixels exactly of the mask colour leave the target as it
// was.
void TransparentCopy(HDC target, const PieceRect& dest, HDC source, const PieceRect& src, COLORREF mask);

// Blends the w x h block at (sx, sy) of a 32-bit bitmap onto the target at
// (dx, dy) by each pixel's alpha. False, drawing nothing, for a bitmap of
// another depth. The bitmap must not be selected into a context.
bool AlphaCopy(HDC target, int dx, int dy, int w, int h, HBITMAP bitmap, int sx, int sy);
