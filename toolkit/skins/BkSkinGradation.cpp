#include "toolkit/skins/BkSkinGradation.h"

#include "platform/ScopedWin.h"
#include "toolkit/skins/Gradient.h"

int32_t CBkSkinGradation::SetAttribute(const std::string& name, const std::string& value, bool)
{
    if (name == "from")
        from = ParseColour(value);
    else if (name == "to")
        to = ParseColour(value);
    else if (name == "direction")
        return ParseGradientDirection(value, &direction) ? kAttrApplied : kAttrNotRecognised;
    else if (name == "size")
        size = ParseDecimal(value);
    else
        return kAttrNotRecognised;
    return kAttrApplied;
}

void CBkSkinGradation::Draw(HDC dc, const RECT& rect, int32_t)
{
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return;
    if (ColourIsSet(to)) {
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(to));
        FillRect(dc, &rect, brush);
    }
    // Without both ends there is no gradient to draw; the fill stays.
    if (!ColourIsSet(from) || !ColourIsSet(to))
        return;
    ScopedSaveDC saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    RECT band = rect;
    const bool vertical = direction == GradientVertical;
    if (size > 0) {
        if (vertical && size < rect.bottom - rect.top)
            band.bottom = rect.top + size;
        else if (!vertical && size < rect.right - rect.left)
            band.right = rect.left + size;
    }
    FillGradient(dc, band, from, to, vertical);
}
