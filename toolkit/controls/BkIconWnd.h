// "icon": the icon resource "src" (a system icon when "oem" is non-zero)
// at "size" x "size" pixels, drawn over the element; a "src" changed at
// run time is loaded again at the next paint.
#pragma once

#include "toolkit/BkWindow.h"

class CBkIconWnd : public CBkWindow {
public:
    ~CBkIconWnd() override;
    const char* GetClassName() const override { return "icon"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    bool RedrawRegion(HDC dc, HRGN region) override;

    // The icon for the current attributes, loading it when they changed;
    // nullptr when there is no such icon.
    HICON CurrentIcon();

protected:
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;
    void DropIcon();

    int32_t src_ = 0;
    int32_t oem_ = 0;
    int32_t size_ = 0;
    HICON icon_ = nullptr;
    bool shared_ = false;  // system icons belong to the system
    bool stale_ = true;
};
