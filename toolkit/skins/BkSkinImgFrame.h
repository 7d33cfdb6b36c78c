// "imgframe": a nine-part frame around a rectangle, its inside optionally
// filled with one colour.
#pragma once

#include "toolkit/ValueFormat.h"
#include "toolkit/skins/BkImageSkin.h"
#include "toolkit/skins/SkinWords.h"

class CBkSkinImgFrame : public CBkSkinBase {
public:
    const char* GetClassName() const override { return "imgframe"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;
    bool IgnoreState() const override { return image.IgnoreState(); }

    CBkImageSkin image;
    int32_t left = 0;
    int32_t top = 0;
    uint32_t crbg = kInvalidColour;
    uint32_t part = kFramePartAll;
};
