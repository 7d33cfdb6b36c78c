// Touch functions of the user-interface library, looked up by name once:
// systems without touch input simply lack them and touch is skipped.
#pragma once

#include <cstdint>

#include <windows.h>

struct TouchPoint {
    bool valid = false;
    int32_t x = 0, y = 0;  // screen pixels
    bool down = false, move = false, up = false;
};

class TouchInput {
public:
    TouchInput();
    ~TouchInput();
    TouchInput(const TouchInput&) = delete;
    TouchInput& operator=(const TouchInput&) = delete;

    // False when the library has no RegisterTouchWindow.
    bool Register(HWND window);
    // The first point of a WM_TOUCH message; the handle is always closed.
    TouchPoint ReadFirstPoint(WPARAM wparam, LPARAM lparam);

private:
    using RegisterFn = BOOL(WINAPI*)(HWND, ULONG);
    using GetInfoFn = BOOL(WINAPI*)(HANDLE, UINT, void*, int);
    using CloseFn = BOOL(WINAPI*)(HANDLE);

    HMODULE library_ = nullptr;
    RegisterFn register_ = nullptr;
    GetInfoFn getInfo_ = nullptr;
    CloseFn close_ = nullptr;
};
