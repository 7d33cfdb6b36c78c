// The smallest window program the start-up bench compares the real one
// with: registers a class, creates a visible window, paints it and waits
// in its message loop until it is closed. With "--tick" on its command line
// it repaints itself on a 30 ms timer, as an animation would: the idle
// bench's proof that it sees such a timer.
//
// Built a second time as bench-start-floor, it first does what the
// program's start-up order does before anything is shown (COM, the common
// controls, GDI+, the shell library linked): the floor no change inside
// the program can go below.
#include <windows.h>

#include <cwchar>

#ifdef TARVO_START_FLOOR
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <gdiplus.h>
#endif

namespace {

LRESULT CALLBACK MinimalProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH fill = CreateSolidBrush(RGB(0x2A, 0x8C, 0xD4));
        FillRect(dc, &client, fill);
        DeleteObject(fill);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"minimal", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_TIMER:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
#ifdef TARVO_START_FLOOR
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    if (commandLine && wcsstr(commandLine, L"--never"))
        DragAcceptFiles(nullptr, FALSE);  // keeps shell32 imported, as the program has it
#endif
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MinimalProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TarvoBenchMinimal";
    if (!RegisterClassW(&wc))
        return 1;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"minimal", WS_POPUP | WS_VISIBLE, 200, 200, 480, 320,
                                nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    if (commandLine && wcsstr(commandLine, L"--tick"))
        SetTimer(hwnd, 1, 30, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
