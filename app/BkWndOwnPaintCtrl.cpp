#include "app/BkWndOwnPaintCtrl.h"

#include "platform/ScopedWin.h"

bool BkWndOwnPaintCtrl::RedrawRegion(HDC dc, HRGN region)
{
    if (region && !RectInRegion(region, &rect_))
        return false;
    PaintBackground(dc);
    if (!painter_)
        return true;
    ScopedSaveDC saved(dc);
    SelectStyleFont(dc);
    if (ColourIsSet(style_.crbg))
        SetBkColor(dc, style_.crbg);
    painter_->Paint(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
    return true;
}
