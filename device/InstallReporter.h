// How the install work tells its owner what happens: three synchronous
// reports carrying the window-message values, so a window and a plain
// call-back see the same numbers in the same order. Each Send returns only
// once the owner has handled the report.
#pragma once

#include <cstdint>
#include <functional>

constexpr unsigned WM_INSTALL_START = 0x467;     // WM_USER + 103; wParam 0, lParam 0
constexpr unsigned WM_INSTALL_PROGRESS = 0x8001; // WM_APP + 1; lParam: address of the InstallProgress record
constexpr unsigned WM_INSTALL_DONE = 0x464;      // WM_USER + 100; wParam 0, lParam 0

class InstallReporter {
public:
    virtual ~InstallReporter() = default;
    virtual void Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Calls a function on the sending thread: it blocks the worker just as a
// sent window message does.
class CallbackReporter : public InstallReporter {
public:
    using Callback = std::function<void(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;
    explicit CallbackReporter(Callback callback) : callback_(std::move(callback)) {}
    void Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        if (callback_)
            callback_(message, wParam, lParam);
    }

private:
    Callback callback_;
};
