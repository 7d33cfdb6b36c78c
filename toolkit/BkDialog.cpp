#include "toolkit/BkDialog.h"

#include "toolkit/Placement.h"

void CBkDialog::RepositionChild(CBkWindow* child)
{
    if (!child)
        return;
    ElementRect span = ShrinkRect(ToElementRect(rect_), style_.xMargin, style_.yMargin);
    int32_t x = 0, y = 0;
    ChildCorner(child->Pos(), span, &x, &y);
    WINDOWPOS wp = {};
    wp.hwnd = host_;
    wp.x = x;
    wp.y = y;
    wp.cx = span.Width();
    wp.cy = span.Height();
    wp.flags = SWP_SHOWWINDOW;
    LRESULT ignored = 0;
    child->ProcessMessage(host_, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), &ignored);
}
