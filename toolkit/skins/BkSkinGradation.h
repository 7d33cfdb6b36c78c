// "gradation": a two-colour gradient, optionally only over the first
// "size" pixels, the rest in the end colour.
#pragma once

#include "toolkit/ValueFormat.h"
#include "toolkit/skins/BkSkinBase.h"
#include "toolkit/skins/SkinWords.h"

class CBkSkinGradation : public CBkSkinBase {
public:
    const char* GetClassName() const override { return "gradation"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;

    uint32_t from = kInvalidColour;
    uint32_t to = kInvalidColour;
    int32_t direction = GradientHorizontal;
    int32_t size = 0;
};
