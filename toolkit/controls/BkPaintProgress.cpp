#include "toolkit/controls/BkPaintProgress.h"

#include "platform/ScopedWin.h"

int32_t CBkPaintProgress::SetRangeAttribute(const std::string& name, const std::string& value)
{
    int32_t* field = nullptr;
    if (name == "min") field = &range_.min;
    else if (name == "max") field = &range_.max;
    else if (name == "value") field = &range_.value;
    else if (name == "showpercent") field = &showPercent_;
    if (!field)
        return kAttrNotRecognised;
    *field = ParseDecimal(value);
    return kAttrRepaint;
}

int32_t CBkPaintProgress::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "crfg") {
        crfg_ = ParseColour(value);
        return kAttrRepaint;
    }
    return SetRangeAttribute(name, value);
}

void CBkPaintProgress::PaintFrame(HDC dc)
{
    ScopedGdiObj<HPEN> pen(CreatePen(PS_SOLID, 1, kProgressOutline));
    ScopedSelect selectPen(dc, pen.Get());
    ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
    // Corner radius 2: the ellipse of the corner is 4 pixels across.
    RoundRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom, 4, 4);
}

RECT CBkPaintProgress::FillSpan() const
{
    // Inside the outline.
    RECT span = rect_;
    InflateRect(&span, -1, -1);
    return span;
}

void CBkPaintProgress::PaintFilled(HDC dc, const RECT& filled)
{
    if (!ColourIsSet(crfg_))
        return;
    ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(crfg_));
    FillRect(dc, &filled, brush);
}

void CBkPaintProgress::OnPaint(HDC dc)
{
    PaintFrame(dc);
    RECT span = FillSpan();
    int32_t filled = ProgressFilled(range_, span.right - span.left);
    if (filled > 0) {
        RECT part = span;
        part.right = part.left + filled;
        PaintFilled(dc, part);
    }
    if (!showPercent_)
        return;
    ScopedSaveDC saved(dc);
    SelectStyleFont(dc);
    std::wstring text = ProgressPercentText(ProgressPercent(range_));
    RECT rc = rect_;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
