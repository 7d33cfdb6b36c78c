// "png": a PNG image at natural size, or one cell of a strip chosen by the
// state value.
#pragma once

#include "toolkit/skins/BkSkinBase.h"

class CBkPngSkin : public CBkSkinBase {
public:
    const char* GetClassName() const override { return "png"; }
    bool Load(const TiXmlElement* xml) override;
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;
    SIZE GetSkinSize() const override;
    bool IgnoreState() const override { return subwidth == 0; }
    const BkPngImage* GetImage() const override { return image; }

    const BkPngImage* image = nullptr;  // owned by the PNG pool
    int32_t src = 0;
    int32_t subwidth = 0;
};

// "src" and "subwidth", shared with the vertical stretch; 0 when applied.
int32_t SetPngAttribute(const std::string& name, const std::string& value, int32_t* src, int32_t* subwidth);
