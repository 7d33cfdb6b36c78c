#include "toolkit/skins/BkSkinButton.h"

#include "platform/ScopedWin.h"
#include "toolkit/ElementTypes.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/skins/Gradient.h"

int32_t CBkSkinButton::SetAttribute(const std::string& name, const std::string& value, bool)
{
    struct Field {
        const char* name;
        uint32_t CBkSkinButton::*colour;
    };
    static const Field kFields[] = {
        {"bg", &CBkSkinButton::bg},
        {"border", &CBkSkinButton::border},
        {"bgup", &CBkSkinButton::bgup},
        {"bguphover", &CBkSkinButton::bguphover},
        {"bguppush", &CBkSkinButton::bguppush},
        {"bgdown", &CBkSkinButton::bgdown},
        {"bgdownhover", &CBkSkinButton::bgdownhover},
        {"bgdownpush", &CBkSkinButton::bgdownpush},
    };
    for (const Field& f : kFields) {
        if (name == f.name) {
            this->*f.colour = ParseColour(value);
            return kAttrApplied;
        }
    }
    return kAttrNotRecognised;
}

void CBkSkinButton::Draw(HDC dc, const RECT& rect, int32_t state)
{
    // A colour that is not set is left out rather than drawn as garbage.
    if (ColourIsSet(bg)) {
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(bg));
        FillRect(dc, &rect, brush);
    }
    const uint32_t bits = static_cast<uint32_t>(state);
    if (!(bits & StateDisabled)) {
        const bool pushed = bits & StatePushDown, hover = bits & StateHover;
        const uint32_t up = pushed ? bguppush : hover ? bguphover : bgup;
        const uint32_t down = pushed ? bgdownpush : hover ? bgdownhover : bgdown;
        RECT inside = {rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2};
        if (ColourIsSet(up) && ColourIsSet(down) && inside.left < inside.right && inside.top < inside.bottom)
            FillGradient(dc, inside, up, down, true);
    }
    if (ColourIsSet(border)) {
        ScopedGdiObj<HPEN> pen(CreatePen(PS_SOLID, 1, border));
        ScopedSelect penSel(dc, pen.Get());
        ScopedSelect brushSel(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
}
