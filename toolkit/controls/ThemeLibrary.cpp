#include "toolkit/controls/ThemeLibrary.h"

ThemeLibrary& ThemeLibrary::Instance()
{
    // Process-wide tables live as long as the process and are never
    // destroyed: windows and elements torn down at exit still use them.
    static ThemeLibrary* library = new ThemeLibrary();
    return *library;
}

ThemeLibrary::ThemeLibrary()
{
    module_ = LoadLibraryW(L"uxtheme.dll");
    if (!module_)
        return;
    open_ = reinterpret_cast<decltype(open_)>(reinterpret_cast<void*>(GetProcAddress(module_, "OpenThemeData")));
    close_ = reinterpret_cast<decltype(close_)>(reinterpret_cast<void*>(GetProcAddress(module_, "CloseThemeData")));
    draw_ = reinterpret_cast<decltype(draw_)>(reinterpret_cast<void*>(GetProcAddress(module_, "DrawThemeBackground")));
}

ThemeLibrary::~ThemeLibrary()
{
    if (module_)
        FreeLibrary(module_);
}

ThemeHandle ThemeLibrary::Open(HWND window, const wchar_t* classList) const
{
    return open_ && close_ && draw_ ? open_(window, classList) : nullptr;
}

void ThemeLibrary::Close(ThemeHandle theme) const
{
    if (theme && close_)
        close_(theme);
}

bool ThemeLibrary::DrawBackground(ThemeHandle theme, HDC dc, int part, int state, const RECT& rect) const
{
    return theme && draw_ && SUCCEEDED(draw_(theme, dc, part, state, &rect, nullptr));
}

ThemeHandle ScopedTheme::OpenFor(HWND window, const wchar_t* classList)
{
    if (!opened_) {
        theme_ = ThemeLibrary::Instance().Open(window, classList);
        opened_ = true;
    }
    return theme_;
}

void ScopedTheme::Reset()
{
    ThemeLibrary::Instance().Close(theme_);
    theme_ = nullptr;
    opened_ = false;
}
