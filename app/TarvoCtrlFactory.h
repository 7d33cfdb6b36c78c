// The application's four layout tags.
#pragma once

#include "toolkit/ElementFactory.h"

class TarvoCtrlFactory : public ICtrlFactory {
public:
    // "list", "listSbar", "memImage", "ownPaint", case-sensitively;
    // nullptr for any other tag, which the toolkit then tries itself.
    CBkWindow* CreateCtrl(const char* tag) override;
};
