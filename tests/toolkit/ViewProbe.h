// What a host view shows, read back in tests under Wine: its client area as
// WM_PRINT paints it.
#pragma once

#include <string>

#include <windows.h>

#include "tests/toolkit/MemoryCanvas.h"

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

}  // namespace view_test
