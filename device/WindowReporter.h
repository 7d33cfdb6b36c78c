// Reports install events to a window with SendMessageW, so the worker
// waits while the window's thread handles each one.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include "device/InstallReporter.h"

class WindowReporter : public InstallReporter {
public:
    explicit WindowReporter(HWND window) : window_(window) {}
    void Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        SendMessageW(window_, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    }

private:
    HWND window_;
};

#endif
