#include "toolkit/controls/BkCheckBox.h"

#include "platform/ScopedWin.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/controls/CheckState.h"

namespace {
// Parts of the "BUTTON" theme class.
const int kPartRadio = 2;
const int kPartCheck = 3;

}  // namespace

// Drawn here rather than by the frame-control function, which renders some
// of the four variants alike on some systems.
void DrawClassicCheckBox(HDC dc, const RECT& box, const CheckBoxLook& look, bool radio)
{
    COLORREF frame = look.inactive ? RGB(0xA0, 0xA0, 0xA0) : RGB(0x40, 0x40, 0x40);
    COLORREF fill = look.inactive ? RGB(0xE8, 0xE8, 0xE8)
                    : look.pushed ? RGB(0xB8, 0xB8, 0xB8)
                    : look.hot    ? RGB(0xE0, 0xF0, 0xFF)
                                  : RGB(0xFF, 0xFF, 0xFF);
    COLORREF mark = look.inactive ? RGB(0x90, 0x90, 0x90) : RGB(0, 0, 0);
    ScopedGdiObj<HPEN> pen(CreatePen(PS_SOLID, 1, frame));
    ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(fill));
    ScopedSelect selectPen(dc, pen.Get());
    ScopedSelect selectBrush(dc, brush.Get());
    if (radio)
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    else
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
    if (!look.checked)
        return;
    ScopedGdiObj<HPEN> markPen(CreatePen(PS_SOLID, 2, mark));
    ScopedGdiObj<HBRUSH> markBrush(CreateSolidBrush(mark));
    ScopedSelect selectMarkPen(dc, markPen.Get());
    ScopedSelect selectMarkBrush(dc, markBrush.Get());
    if (radio) {
        Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
    } else {
        POINT tick[] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
        Polyline(dc, tick, 3);
    }
}


int32_t CBkCheckBox::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "check") {
        check_ = ParseDecimal(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

void CBkCheckBox::SetContainer(HWND host)
{
    if (host != host_)
        theme_.Reset();
    CBkWindow::SetContainer(host);
}

void CBkCheckBox::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    CBkWindow::OnNcCalcSize(fromPlacement, size);
    if (pos_.count == 4)
        return;
    int32_t w = 0, h = 0;
    CheckBoxMeasure(size->cx, size->cy, &w, &h);
    size->cx = w;
    size->cy = h;
}

void CBkCheckBox::OnPaint(HDC dc)
{
    RECT box;
    box.left = rect_.left;
    box.top = rect_.top + ((rect_.bottom - rect_.top) - kCheckBoxSize) / 2;
    box.right = box.left + kCheckBoxSize;
    box.bottom = box.top + kCheckBoxSize;
    bool disabled = IsDisabled(true);
    ThemeHandle theme = theme_.OpenFor(host_, L"BUTTON");
    if (!ThemeLibrary::Instance().DrawBackground(theme, dc, IsRadio() ? kPartRadio : kPartCheck,
                                                 CheckBoxThemeState(state_, disabled), box))
        DrawClassicCheckBox(dc, box, CheckBoxClassicLook(state_, disabled), IsRadio());
    // The base paints the text in rect_; shift it past the box for the call.
    RECT whole = rect_;
    rect_.left += kCheckTextIndent;
    CBkWindow::OnPaint(dc);
    rect_ = whole;
}

void CBkCheckBox::OnRelease()
{
    state_ ^= StateChecked;
    Repaint();
}

void CBkCheckBox::Repaint() const
{
    RedrawThroughView();
}

BOOL CBkCheckBox::ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    if (message == WM_LBUTTONUP) {
        OnRelease();
        handled_ = true;
        if (result)
            *result = 0;
        return TRUE;
    }
    return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
}
