// The visual-style functions, looked up at run time: systems without the
// theme library (or with themes off) draw the classic way instead.
#pragma once

#include <windows.h>

using ThemeHandle = HANDLE;

class ThemeLibrary {
public:
    static ThemeLibrary& Instance();

    // nullptr when the library or an active theme is missing.
    ThemeHandle Open(HWND window, const wchar_t* classList) const;
    void Close(ThemeHandle theme) const;
    bool DrawBackground(ThemeHandle theme, HDC dc, int part, int state, const RECT& rect) const;

private:
    ThemeLibrary();
    ~ThemeLibrary();
    ThemeLibrary(const ThemeLibrary&) = delete;
    ThemeLibrary& operator=(const ThemeLibrary&) = delete;

    HMODULE module_ = nullptr;
    ThemeHandle(WINAPI* open_)(HWND, LPCWSTR) = nullptr;
    HRESULT(WINAPI* close_)(ThemeHandle) = nullptr;
    HRESULT(WINAPI* draw_)(ThemeHandle, HDC, int, int, const RECT*, const RECT*) = nullptr;
};

// Owns one opened theme handle.
class ScopedTheme {
public:
    ScopedTheme() = default;
    ~ScopedTheme() { Reset(); }
    ScopedTheme(const ScopedTheme&) = delete;
    ScopedTheme& operator=(const ScopedTheme&) = delete;
    ThemeHandle Get() const { return theme_; }
    bool Opened() const { return opened_; }
    // Opens once per window; a failed open is remembered too.
    ThemeHandle OpenFor(HWND window, const wchar_t* classList);
    void Reset();

private:
    ThemeHandle theme_ = nullptr;
    bool opened_ = false;
};
