#include "toolkit/Placement.h"

#include <algorithm>

#include "toolkit/ValueFormat.h"

uint32_t SizeModeFromAttribute(bool present, const std::string& value, int32_t* fixed)
{
    *fixed = 0;
    if (!present)
        return SizeContent;
    if (value == "full")
        return SizeFull;
    int32_t n = ParseDecimal(value);
    if (n >= 1) {
        *fixed = n;
        return SizeFixed;
    }
    return SizeContent;
}

void MeasureByPos(const PosList& pos, int32_t cx, int32_t cy, int32_t* width, int32_t* height)
{
    int32_t x1 = ResolvePosItem(pos.items[0], 0, cx);
    int32_t y1 = ResolvePosItem(pos.items[1], 0, cy);
    int32_t x2 = ResolvePosItem(pos.items[2], 0, cx);
    int32_t y2 = ResolvePosItem(pos.items[3], 0, cy);
    *width = WrapSub(x2, x1);
    *height = WrapSub(y2, y1);
}

ElementRect ShrinkRect(const ElementRect& rect, int32_t xMargin, int32_t yMargin)
{
    ElementRect r = rect;
    r.left = WrapAdd(r.left, xMargin);
    r.right = WrapSub(r.right, xMargin);
    r.top = WrapAdd(r.top, yMargin);
    r.bottom = WrapSub(r.bottom, yMargin);
    return r;
}

void ChildCorner(const PosList& pos, const ElementRect& span, int32_t* x, int32_t* y)
{
    if (pos.count == 0) {
        *x = span.left;
        *y = span.top;
        return;
    }
    *x = ResolvePosItem(pos.items[0], span.left, span.Width());
    *y = ResolvePosItem(pos.items[1], span.top, span.Height());
}

ElementRect PlaceRect(const PlacementInput& in)
{
    ElementRect r;
    r.left = in.x;
    r.top = in.y;
    r.right = WrapAdd(in.x, in.measuredWidth);
    r.bottom = WrapAdd(in.y, in.measuredHeight);
    switch (WidthMode(in.layoutFlags)) {
    case SizeFull: r.right = std::max(r.left, WrapAdd(in.x, in.cx)); break;
    case SizeFixed: r.right = WrapAdd(r.left, in.fixedWidth); break;
    default: break;
    }
    switch (HeightMode(in.layoutFlags)) {
    case SizeFull: r.bottom = std::max(r.top, WrapAdd(in.y, in.cy)); break;
    case SizeFixed: r.bottom = WrapAdd(r.top, in.fixedHeight); break;
    default: break;
    }
    return r;
}
