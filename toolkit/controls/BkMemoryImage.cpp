#include "toolkit/controls/BkMemoryImage.h"

#include "toolkit/skins/BitmapBlit.h"

int32_t CBkMemoryImage::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    if (name == "mempointer") {
        uintptr_t address = 0;
        image_ = ParseMemPointer(value, &address) ? reinterpret_cast<const BkMemoryBitmap*>(address) : nullptr;
        return kAttrRepaint;
    }
    return kAttrNotRecognised;
}

void CBkMemoryImage::OnNcCalcSize(BOOL fromPlacement, SIZE* size)
{
    CBkWindow::OnNcCalcSize(fromPlacement, size);
    if (image_ && MemoryBitmapUsable(*image_) && pos_.count != 4) {
        size->cx = image_->width;
        size->cy = image_->height;
    }
}

bool CBkMemoryImage::RedrawRegion(HDC dc, HRGN region)
{
    if (!CBkWindow::RedrawRegion(dc, region))
        return false;
    if (!image_ || !MemoryBitmapUsable(*image_))
        return true;
    BITMAPINFO bi = TopDownInfo(image_->width, image_->height, 32);
    StretchDIBits(dc, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, 0, 0,
                  image_->width, image_->height, image_->pixels, &bi, DIB_RGB_COLORS, SRCCOPY);
    return true;
}
