// "button": a base element that repaints on every hover or press change.
#pragma once

#include "toolkit/BkWindow.h"

class CBkButton : public CBkWindow {
public:
    const char* GetClassName() const override { return "button"; }
    bool NeedsRedrawOnStateChange() override { return true; }
};
