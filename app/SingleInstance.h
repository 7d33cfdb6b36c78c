// One running instance: a named marker, the window property that lets a
// second start find the first one's window, and the hand-over of the
// second start's command line.
#pragma once

#include <windows.h>

#include <string>

extern const wchar_t kInstanceName[];      // semaphore and window property: "Tarvo"
constexpr UINT_PTR kInstancePropertyValue = 112233;

// Creates the marker; false when another instance made it first. The
// marker stays open until CloseInstanceMarker (or the process ends).
bool CreateInstanceMarker();
void CloseInstanceMarker();

// Marks (and unmarks) the window a second start hands its command line to.
void MarkInstanceWindow(HWND window);
void UnmarkInstanceWindow(HWND window);

// The first top-level window carrying the property, scanning again until
// timeoutMs has passed; nullptr then.
HWND FindInstanceWindow(DWORD timeoutMs);

// Restores and raises the window and sends it the command line, unchanged,
// with WM_COPYDATA (UTF-16 with its terminating zero). False when no
// window was found in time.
bool HandOverCommandLine(const std::wstring& commandLine, DWORD timeoutMs);

// About ten seconds: long enough for a first instance that is still
// starting, short enough that a vanished one does not leave us hanging.
constexpr DWORD kHandOverTimeoutMs = 10000;
