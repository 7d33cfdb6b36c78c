// "memimage": an image held in memory by the application, drawn over the
// element and measured as the image. "mempointer" passes the address of a
// BkMemoryBitmap as text; the application's own memory-image element sets
// the image directly with SetMemoryImage.
#pragma once

#include "toolkit/BkWindow.h"
#include "toolkit/controls/MemoryImageData.h"

class CBkMemoryImage : public CBkWindow {
public:
    const char* GetClassName() const override { return "memimage"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    bool RedrawRegion(HDC dc, HRGN region) override;

    // Not owned; it must outlive the element or be replaced first. nullptr
    // or an unusable image shows nothing.
    void SetMemoryImage(const BkMemoryBitmap* image) { image_ = image; }
    const BkMemoryBitmap* MemoryImage() const { return image_; }

protected:
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;

    const BkMemoryBitmap* image_ = nullptr;
};
