#include "toolkit/controls/CheckState.h"

#include "toolkit/ElementTypes.h"

namespace {
bool Pressed(uint32_t state)
{
    // A press shows only while the mouse is still over the box.
    return (state & StatePushDown) && (state & StateHover);
}
}  // namespace

int32_t CheckBoxThemeState(uint32_t state, bool disabled)
{
    int32_t n = 1;
    if (disabled)
        n = 4;
    else if (Pressed(state))
        n = 3;
    else if (state & StateHover)
        n = 2;
    return (state & StateChecked) ? n + 4 : n;
}

CheckBoxLook CheckBoxClassicLook(uint32_t state, bool disabled)
{
    CheckBoxLook look;
    look.checked = (state & StateChecked) != 0;
    look.inactive = disabled;
    look.hot = !disabled && (state & StateHover) != 0;
    look.pushed = !disabled && Pressed(state);
    return look;
}

void CheckBoxMeasure(int32_t textWidth, int32_t textHeight, int32_t* width, int32_t* height)
{
    *width = WrapAdd(textWidth, kCheckTextIndent);
    *height = textHeight < kCheckBoxSize ? kCheckBoxSize : textHeight;
}
