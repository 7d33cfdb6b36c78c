// "button": a drawn push button: border, a ring of the background colour
// and a vertical gradient that follows hover and press.
#pragma once

#include "toolkit/skins/BkSkinBase.h"

class CBkSkinButton : public CBkSkinBase {
public:
    const char* GetClassName() const override { return "button"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;
    bool IgnoreState() const override { return false; }

    // Red in the low byte, as everywhere in the toolkit.
    uint32_t bg = 0xEEEEEE;
    uint32_t border = 0x707070;
    uint32_t bgup = 0xEEEEEE;
    uint32_t bguphover = 0xEEEEEE;
    uint32_t bguppush = 0xCECECE;
    uint32_t bgdown = 0xD6D6D6;
    uint32_t bgdownhover = 0xE0E0E0;
    uint32_t bgdownpush = 0xC0C0C0;
};
