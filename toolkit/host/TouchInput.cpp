#include "toolkit/host/TouchInput.h"

#include <vector>

namespace {
// TOUCHINPUT as the system lays it out (40 bytes on 32-bit Windows, 48 on 64-bit).
struct RawTouch {
    LONG x, y;
    HANDLE source;
    DWORD id, flags, mask, time;
    ULONG_PTR extra;
    DWORD cx, cy;
};
const DWORD kTouchMove = 0x1, kTouchDown = 0x2, kTouchUp = 0x4;
}  // namespace

TouchInput::TouchInput()
{
    library_ = LoadLibraryW(L"user32.dll");
    if (!library_)
        return;
    register_ = reinterpret_cast<RegisterFn>(reinterpret_cast<void*>(GetProcAddress(library_, "RegisterTouchWindow")));
    getInfo_ = reinterpret_cast<GetInfoFn>(reinterpret_cast<void*>(GetProcAddress(library_, "GetTouchInputInfo")));
    close_ = reinterpret_cast<CloseFn>(reinterpret_cast<void*>(GetProcAddress(library_, "CloseTouchInputHandle")));
}

TouchInput::~TouchInput()
{
    if (library_)
        FreeLibrary(library_);
}

bool TouchInput::Register(HWND window)
{
    return register_ && register_(window, 0) != FALSE;
}

TouchPoint TouchInput::ReadFirstPoint(WPARAM wparam, LPARAM lparam)
{
    TouchPoint point;
    HANDLE input = reinterpret_cast<HANDLE>(lparam);
    UINT count = LOWORD(wparam);
    if (getInfo_ && count > 0) {
        std::vector<RawTouch> points(count);
        if (getInfo_(input, count, points.data(), static_cast<int>(sizeof(RawTouch)))) {
            const RawTouch& first = points[0];
            // Hundredths of a pixel.
            point.x = first.x / 100;
            point.y = first.y / 100;
            point.down = (first.flags & kTouchDown) != 0;
            point.move = (first.flags & kTouchMove) != 0;
            point.up = (first.flags & kTouchUp) != 0;
            point.valid = true;
        }
    }
    if (close_ && input)
        close_(input);
    return point;
}
