#include "toolkit/skins/Gradient.h"

namespace {

class ScopedLibrary {
public:
    explicit ScopedLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}
    ~ScopedLibrary() { if (module_) FreeLibrary(module_); }
    ScopedLibrary(const ScopedLibrary&) = delete;
    ScopedLibrary& operator=(const ScopedLibrary&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

using GradientFillFn = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

TRIVERTEX Vertex(LONG x, LONG y, COLORREF c)
{
    TRIVERTEX v = {};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(c) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(c) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(c) << 8);
    v.Alpha = 0;
    return v;
}

}  // namespace

bool FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical)
{
    // Looked up by name each time, as a system without it must still run.
    ScopedLibrary library(L"msimg32.dll");
    if (!library.Get())
        return false;
    auto fill = reinterpret_cast<GradientFillFn>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "GradientFill")));
    if (!fill)
        return false;
    TRIVERTEX v[2] = {Vertex(rect.left, rect.top, from), Vertex(rect.right, rect.bottom, to)};
    GRADIENT_RECT r = {0, 1};
    return fill(dc, v, 2, &r, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H) != FALSE;
}
