// "img": one sub-image of a skin drawn over the element; as large as the
// skin where the skin reports a size. The memory-image element of the
// application builds on the same measuring.
#pragma once

#include <string>

#include "toolkit/BkWindow.h"

class CBkSkinBase;

class CBkImageWnd : public CBkWindow {
public:
    const char* GetClassName() const override { return "img"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    bool RedrawRegion(HDC dc, HRGN region) override;

    int32_t SubImage() const { return sub_; }
    // The skin, or nullptr when "skin" named none (or the pool lost it).
    CBkSkinBase* Skin() const;

protected:
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;
    // The frame to draw; "img" draws its sub-image.
    virtual int32_t FrameToDraw() const { return sub_; }

    int32_t sub_ = 0;
    // Kept by name and looked up when used: reloading the skins replaces
    // every skin object.
    std::string skinName_;
};
