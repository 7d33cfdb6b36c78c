// Watches another window program from outside: starts it, finds its
// top-level window and tells when every visible window of it has been
// painted (no update region left), so the real program and the minimal one
// are observed exactly the same way.
#pragma once

#include <windows.h>

#include <string>

#include "bench/BenchStats.h"
#include "platform/ScopedWin.h"

namespace bench {

struct Launched {
    ScopedHandle process;
    ScopedHandle thread;
    DWORD pid = 0;
    Stopwatch sinceStart;  // restarted just before the process is made
    std::wstring commandLine;
};

// False when the program cannot be started.
bool StartProgram(const std::wstring& commandLine, Launched* out);

// The program's visible, unowned top-level window, or nullptr.
HWND FindVisibleTopWindow(DWORD pid);

// True when the window and each of its visible descendants has an empty
// update region: it has handled the paint its showing asked for.
bool WindowPainted(HWND top);

struct FirstPaint {
    double visibleMs = -1;  // the window was first seen visible
    double paintedMs = -1;  // ... and painted
    HWND window = nullptr;
};

// Polls until the program's window is visible and painted, or the time
// runs out (then paintedMs stays -1) or the program ends.
FirstPaint WaitFirstPaint(const Launched& program, double timeoutMs);

// Ends the program and waits until it is gone, so a next start finds no
// earlier instance.
void EndProgram(Launched* program);

// Closes the window as its close box does and waits for the program to end
// by itself (it may still be busy with its start), ending it only when it
// does not. A program cut off in the middle of running a console tool
// could leave that tool behind.
void CloseProgram(Launched* program, HWND window);

// Kernel plus user time of the process, in milliseconds.
double CpuMs(HANDLE process);

}  // namespace bench
