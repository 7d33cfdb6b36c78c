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

// Asks the hosting window (the view) to show a tip for a part of it that
// no element of its own stands for, such as a list row's child; lParam is
// a TipRequest. The view sets its tooltip's text and turns it on.
constexpr UINT kShowTipMessage = WM_USER + 57;

struct TipRequest {
    const wchar_t* text;
    RECT rect;
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
