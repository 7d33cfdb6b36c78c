// "progress": "paintprogress" with skins: "bgskin" replaces the outline and
// "posskin" draws the filled part; as high as the position skin.
#pragma once

#include <string>

#include "toolkit/controls/BkPaintProgress.h"

class CBkProgress : public CBkPaintProgress {
public:
    const char* GetClassName() const override { return "progress"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

protected:
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;
    void PaintFrame(HDC dc) override;
    void PaintFilled(HDC dc, const RECT& filled) override;
    RECT FillSpan() const override;

    std::string bgSkin_;
    std::string posSkin_;
};
