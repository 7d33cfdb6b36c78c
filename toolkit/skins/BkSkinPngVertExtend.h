// "pngvertex": a PNG strip of fixed width stretched downwards between a
// fixed top and bottom, one cell per state.
#pragma once

#include "toolkit/skins/BkSkinBase.h"

class CBkSkinPngVertExtend : public CBkSkinBase {
public:
    const char* GetClassName() const override { return "pngvertex"; }
    bool Load(const TiXmlElement* xml) override;
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void Draw(HDC dc, const RECT& rect, int32_t state) override;
    SIZE GetSkinSize() const override;
    bool IgnoreState() const override { return subwidth == 0; }

    const BkPngImage* image = nullptr;  // owned by the PNG pool
    int32_t src = 0;
    int32_t subwidth = 0;
    int32_t top = 0;
};
