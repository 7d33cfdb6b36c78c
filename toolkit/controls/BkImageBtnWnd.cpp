#include "toolkit/controls/BkImageBtnWnd.h"

int32_t ImageButtonFrame(uint32_t state, bool disabled)
{
    if (disabled)
        return 3;
    // The host keeps StatePushDown until release; moved off, the hover bit goes.
    if ((state & StatePushDown) && (state & StateHover))
        return 2;
    return (state & StateHover) ? 1 : 0;
}

int32_t CBkImageBtnWnd::FrameToDraw() const
{
    return ImageButtonFrame(state_, IsDisabled(true));
}
