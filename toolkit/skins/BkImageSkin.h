// "imglst": one cell of a bitmap strip, chosen by the state, at natural size.
#pragma once

#include "toolkit/skins/BkImage.h"
#include "toolkit/skins/BkSkinBase.h"

class CBkImageSkin : public CBkSkinBase, public CBkImage {
public:
    const char* GetClassName() const override { return "imglst"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;
    SIZE GetSkinSize() const override;
    bool IgnoreState() const override { return subwidth == 0; }
};
