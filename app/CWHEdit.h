// An edit child window with its own background and text colours, which a
// click never gives a caret. The host view reflects the parent's colour
// messages to it (WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC + kReflectBase).
#pragma once

#include <windows.h>

#include "platform/ScopedWin.h"
#include "toolkit/host/HostRules.h"

class CWHEdit {
public:
    CWHEdit() = default;
    virtual ~CWHEdit();
    CWHEdit(const CWHEdit&) = delete;
    CWHEdit& operator=(const CWHEdit&) = delete;

    // Creates the edit window and takes over its messages.
    HWND Create(HWND parent, int id, DWORD style, DWORD exStyle);
    // Takes over an existing edit window's messages.
    bool Attach(HWND edit);
    HWND Hwnd() const { return hwnd_; }

    void SetBackColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    bool HasBackColour() const { return hasBack_; }

    // The colour answer for a WM_CTLCOLOR* of this control; false (no
    // brush) while no background colour is set.
    bool ColourAnswer(HDC dc, LRESULT* brush);

protected:
    // TRUE when the message is handled and *result is the answer.
    virtual BOOL HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR id, DWORD_PTR self);
    void Detach();

    HWND hwnd_ = nullptr;
    bool hasBack_ = false;
    COLORREF back_ = 0;
    COLORREF text_ = 0;
    ScopedGdiObj<HBRUSH> brush_;
};

// The permission box: the mouse passing over it gives it the focus (so
// the wheel scrolls it) without showing a caret.
class MyEditCtrl : public CWHEdit {
protected:
    BOOL HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
};
