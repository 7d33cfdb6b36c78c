#include "toolkit/controls/BkVStatic.h"

#include "platform/ScopedWin.h"
#include "toolkit/Placement.h"

namespace {
// DT_CENTER/DT_RIGHT are kept from the style; the vertical bits and single
// line would defeat the wrapping.
const UINT kVerticalBits = DT_VCENTER | DT_BOTTOM | DT_SINGLELINE;
}  // namespace

void CBkVStatic::OnPaint(HDC dc)
{
    if (text_.empty())
        return;
    ScopedSaveDC saved(dc);
    SelectStateFont(dc);
    RECT box = ToRect(ShrinkRect(ToElementRect(rect_), style_.xMargin, style_.yMargin));
    UINT format = (style_.textmode & ~kVerticalBits) | DT_WORDBREAK;
    RECT measured = box;
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &measured, format | DT_CALCRECT);
    int32_t height = measured.bottom - measured.top;
    int32_t free = (box.bottom - box.top) - height;
    RECT target = box;
    if (free > 0)
        target.top += free / 2;
    target.bottom = target.top + height;
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &target, format);
}
