// The WM_NOTIFY record the view sends its parent for element events.
#pragma once

#include <cstdint>

#include <windows.h>

#include "toolkit/host/HostRules.h"

struct ElementNotifyRect {
    int32_t left, top, right, bottom;
};

struct ElementNotify {
    NMHDR hdr;
    uint32_t itemId;
    union {
        const char* itemClass;    // NotifyClick, NotifyDoubleClick
        ElementNotifyRect rect;   // NotifyRealWndMoved, NotifyInvalidate
    };
};
