#include "app/CWHEdit.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x7A56;

}  // namespace

CWHEdit::~CWHEdit()
{
    Detach();
}

HWND CWHEdit::Create(HWND parent, int id, DWORD style, DWORD exStyle)
{
    HWND edit = CreateWindowExW(exStyle, L"EDIT", L"", style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                nullptr);
    if (!edit || !Attach(edit))
        return nullptr;
    return edit;
}

bool CWHEdit::Attach(HWND edit)
{
    Detach();
    if (!edit || !SetWindowSubclass(edit, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = edit;
    return true;
}

void CWHEdit::Detach()
{
    if (hwnd_ && IsWindow(hwnd_))
        RemoveWindowSubclass(hwnd_, &SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

void CWHEdit::SetBackColour(COLORREF colour)
{
    hasBack_ = true;
    back_ = colour;
    brush_.Reset(CreateSolidBrush(colour));
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void CWHEdit::SetTextColour(COLORREF colour)
{
    text_ = colour;
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

bool CWHEdit::ColourAnswer(HDC dc, LRESULT* brush)
{
    if (!hasBack_)
        return false;
    SetBkColor(dc, back_);
    SetTextColor(dc, text_);
    *brush = reinterpret_cast<LRESULT>(brush_.Get());
    return true;
}

BOOL CWHEdit::HandleMessage(UINT message, WPARAM wparam, LPARAM, LRESULT* result)
{
    switch (message) {
    case kReflectBase + WM_CTLCOLOREDIT:
    case kReflectBase + WM_CTLCOLORSTATIC:
        return ColourAnswer(reinterpret_cast<HDC>(wparam), result) ? TRUE : FALSE;
    case WM_LBUTTONDOWN:
        // Neither a caret nor a selection: the box is only read.
        HideCaret(hwnd_);
        *result = 0;
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK CWHEdit::SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                       DWORD_PTR self)
{
    auto* edit = reinterpret_cast<CWHEdit*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &SubclassProc, kSubclassId);
        edit->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, message, wparam, lparam);
    }
    LRESULT result = 0;
    if (edit->HandleMessage(message, wparam, lparam, &result))
        return result;
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

BOOL MyEditCtrl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    if (message == WM_MOUSEMOVE) {
        SetFocus(Hwnd());
        HideCaret(Hwnd());
        *result = 0;
        return TRUE;
    }
    if (message == WM_MOUSEWHEEL) {
        // The focus it takes on hover brings it the wheel; the main window
        // scrolls it one line a notch, not the edit by the system's setting.
        *result = SendMessageW(GetAncestor(Hwnd(), GA_ROOT), message, wparam, lparam);
        return TRUE;
    }
    return CWHEdit::HandleMessage(message, wparam, lparam, result);
}
