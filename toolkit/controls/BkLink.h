// "link": a base element whose tag tells the host that a press on it never
// drags the window; its link look comes from its style.
#pragma once

#include "toolkit/BkWindow.h"

class CBkLink : public CBkWindow {
public:
    const char* GetClassName() const override { return "link"; }
};
