// What a host view shows, read back in tests under Wine: its client area as
// WM_PRINT paints it, and the text of the view's tool in its tooltip.
#pragma once

#include <string>

#include <windows.h>

#include <commctrl.h>

#include "tests/toolkit/MemoryCanvas.h"
#include "toolkit/host/HostTooltip.h"

namespace view_test {

inline SIZE ClientSize(HWND window)
{
    RECT rc = {};
    GetClientRect(window, &rc);
    return SIZE{rc.right, rc.bottom};
}

// The view's client area as WM_PRINT paints it, as 0xRRGGBB words.
class Picture {
public:
    explicit Picture(HWND view) : canvas_(ClientSize(view).cx, ClientSize(view).cy)
    {
        if (canvas_.Ok())
            SendMessageW(view, WM_PRINT, reinterpret_cast<WPARAM>(canvas_.Dc()), PRF_CLIENT);
    }
    uint32_t At(int x, int y) const { return canvas_.At(x, y); }

private:
    pixel_test::MemoryCanvas canvas_;
};

// The text the tooltip holds for the view's own tool (the view is its id);
// "?" when the tooltip wrote nothing.
inline std::wstring TooltipText(HWND tooltip, HWND view)
{
    wchar_t text[256] = {L'?'};
    TOOLINFOW ti = HostTool(view, text);
    SendMessageW(tooltip, TTM_GETTEXTW, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(&ti));
    return text;
}

}  // namespace view_test
