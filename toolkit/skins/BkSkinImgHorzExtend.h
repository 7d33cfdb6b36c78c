// "imghorzex": a bitmap of fixed height stretched sideways between a fixed
// left and right part, one cell per button state.
#pragma once

#include "toolkit/skins/BkImageSkin.h"

class CBkSkinImgHorzExtend : public CBkSkinBase {
public:
    const char* GetClassName() const override { return "imghorzex"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;
    SIZE GetSkinSize() const override { return SIZE{0, image.BitmapHeight()}; }
    bool IgnoreState() const override { return image.IgnoreState(); }

    CBkImageSkin image;
    int32_t left = 0;
};
