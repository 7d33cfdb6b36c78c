// Two-colour gradients through the system's GradientFill.
#pragma once

#include <windows.h>

// Fills rect from `from` (left or top) to `to` (right or bottom). Draws
// nothing when the gradient function is not available.
bool FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical);
