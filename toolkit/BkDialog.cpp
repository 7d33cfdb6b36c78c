#include "toolkit/BkDialog.h"

#include "toolkit/Placement.h"

void CBkDialog::RepositionChild(CBkWindow* child)
{
    if (!child)
        return;
    ElementRect span = ShrinkRect(ToElementRect(rect_), style_.xMargin, style_.yMargin);
    int32_t x = 0, y = 0;
    ChildCorner(child->Pos(), span, &x, &y);
    PlaceElement(child, x, y, span.Width(), span.Height());
}
