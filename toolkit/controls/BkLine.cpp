#include "toolkit/controls/BkLine.h"

#include "platform/ScopedWin.h"
#include "toolkit/ValueFormat.h"

int32_t CBkLine::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "style")
        return LinePenStyleFromName(value, &penStyle_) ? kAttrApplied : kAttrNotRecognised;
    if (name == "size") {
        penWidth_ = ParseDecimal(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

void CBkLine::OnPaint(HDC dc)
{
    if (!ColourIsSet(style_.crbg))
        return;
    ScopedGdiObj<HPEN> pen(CreatePen(penStyle_, penWidth_, style_.crbg));
    if (!pen.Get())
        return;
    ScopedSelect select(dc, pen.Get());
    MoveToEx(dc, rect_.left, rect_.top, nullptr);
    // LineTo leaves out the end point itself.
    LineTo(dc, rect_.right, rect_.bottom);
}
