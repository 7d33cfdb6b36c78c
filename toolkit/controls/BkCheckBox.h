// "check": a 13 x 13 box at the left with the text 17 pixels in; a
// left-button release toggles StateChecked.
#pragma once

#include "toolkit/BkWindow.h"
#include "toolkit/controls/CheckState.h"
#include "toolkit/controls/ThemeLibrary.h"

class CBkCheckBox : public CBkWindow {
public:
    const char* GetClassName() const override { return "check"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    bool NeedsRedrawOnStateChange() override { return true; }
    void SetContainer(HWND host) override;
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

    // The "check" attribute as read; it does not check the box.
    int32_t CheckAttribute() const { return check_; }
    bool IsChecked() const { return (state_ & StateChecked) != 0; }

protected:
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;
    void OnPaint(HDC dc) override;
    // A release on the element: toggles for a check box.
    virtual void OnRelease();
    virtual bool IsRadio() const { return false; }
    void Repaint() const;

    ScopedTheme theme_;
    int32_t check_ = 0;
};

// The box without visual styles: the four state variants and the check
// each look different.
void DrawClassicCheckBox(HDC dc, const RECT& box, const CheckBoxLook& look, bool radio);
