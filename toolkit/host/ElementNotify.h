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

// A record naming an element by id and class (clicks and the like).
inline ElementNotify ElementEvent(HWND from, UINT_PTR idFrom, uint32_t code, uint32_t itemId, const char* itemClass)
{
    ElementNotify note = {};
    note.hdr.hwndFrom = from;
    note.hdr.idFrom = idFrom;
    note.hdr.code = code;
    note.itemId = itemId;
    note.itemClass = itemClass;
    return note;
}

// A record carrying a rectangle (a child window moved, an area to redraw).
inline ElementNotify RectEvent(HWND from, UINT_PTR idFrom, uint32_t code, uint32_t itemId, const RECT& rect)
{
    ElementNotify note = {};
    note.hdr.hwndFrom = from;
    note.hdr.idFrom = idFrom;
    note.hdr.code = code;
    note.itemId = itemId;
    note.rect = ElementNotifyRect{rect.left, rect.top, rect.right, rect.bottom};
    return note;
}

inline LRESULT SendElementNotify(HWND to, const ElementNotify& note)
{
    return SendMessageW(to, WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
}
