// "vtext": text word-wrapped to the element's width and centred vertically.
#pragma once

#include "toolkit/BkWindow.h"

class CBkVStatic : public CBkWindow {
public:
    const char* GetClassName() const override { return "vtext"; }

protected:
    void OnPaint(HDC dc) override;
};
