#include "app/DyncLoadPng.h"

#include <objidl.h>
#include <gdiplus.h>

#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/SkinPool.h"

using namespace Gdiplus;

DyncLoadPng::DyncLoadPng() : lock_(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {}

void DyncLoadPng::Paint(HDC dc, int left, int top, int right, int bottom)
{
    Lock hold(lock_.Get());
    if (!image_)
        return;
    UINT w = 0;
    UINT h = 0;
    DllExports::GdipGetImageWidth(image_.get(), &w);
    DllExports::GdipGetImageHeight(image_.get(), &h);
    GpGraphics* graphics = nullptr;
    if (DllExports::GdipCreateFromHDC(dc, &graphics) != Ok)
        return;
    DllExports::GdipDrawImageRectRectI(graphics, image_.get(), left, top, right - left, bottom - top, 0, 0,
                                       static_cast<INT>(w), static_cast<INT>(h), UnitPixel, nullptr, nullptr,
                                       nullptr);
    DllExports::GdipDeleteGraphics(graphics);
}

void DyncLoadPng::LoadFromSkin(const std::string& skinName, bool force)
{
    Lock hold(lock_.Get());
    if (image_ && !force)
        return;
    if (CBkSkinBase* skin = SkinPool::Instance().GetSkin(skinName)) {
        const BkPngImage* png = skin->GetImage();
        // The pool keeps its images for the life of the process.
        image_ = (png && png->Valid()) ? std::shared_ptr<GpImage>(png->Get(), [](GpImage*) {}) : nullptr;
    }
}
