// The view's tooltip has one tool: the view window itself. The view and the
// elements that take all mouse input (the list) write its text.
#pragma once

#include <windows.h>

#include <commctrl.h>

inline TOOLINFOW HostTool(HWND view, const wchar_t* text)
{
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = view;
    ti.uId = reinterpret_cast<UINT_PTR>(view);
    ti.lpszText = const_cast<wchar_t*>(text);
    return ti;
}

// The tooltip copies the text.
inline void SetHostToolText(HWND tooltip, HWND view, const wchar_t* text)
{
    TOOLINFOW ti = HostTool(view, text);
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}
