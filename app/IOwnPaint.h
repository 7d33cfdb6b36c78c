// A painter the application attaches to an "ownPaint" element.
#pragma once

#include <windows.h>

class IOwnPaint {
public:
    virtual void Paint(HDC dc, int left, int top, int right, int bottom) = 0;
    virtual ~IOwnPaint() = default;
};
