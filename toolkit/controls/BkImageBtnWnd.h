// "imgbtn": an "img" whose frame follows the state: 3 disabled, 2 pressed
// while over it, 1 under the mouse, else 0.
#pragma once

#include "toolkit/controls/BkImageWnd.h"

class CBkImageBtnWnd : public CBkImageWnd {
public:
    const char* GetClassName() const override { return "imgbtn"; }
    bool NeedsRedrawOnStateChange() override { return true; }

protected:
    int32_t FrameToDraw() const override;
};

// The frame of an image button for its state word.
int32_t ImageButtonFrame(uint32_t state, bool disabled);
