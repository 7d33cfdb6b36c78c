// "text": measures and paints as the element base.
#pragma once

#include "toolkit/BkWindow.h"

class CBkStatic : public CBkWindow {
public:
    const char* GetClassName() const override { return "text"; }
};
