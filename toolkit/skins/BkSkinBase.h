// A skin: a named recipe that paints a rectangle for an element state.
#pragma once

#include <cstdint>

#include <windows.h>

#include "toolkit/BkObject.h"

class BkPngImage;

class CBkSkinBase : public CBkObject {
public:
    // state is an element state word, a cell number an element computed
    // itself, or -1 for the whole image; each kind reads it its own way.
    virtual void Draw(HDC dc, const RECT& rect, int32_t state) = 0;
    virtual SIZE GetSkinSize() const { return SIZE{0, 0}; }
    // True when the skin looks the same in every state.
    virtual bool IgnoreState() const { return true; }
    virtual const BkPngImage* GetImage() const { return nullptr; }
};
