#include "app/IconImage.h"

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

#include "app/AppItem.h"

using namespace Gdiplus;

GpImage* DecodeIconImage(const unsigned char* bytes, std::size_t size)
{
    if (!bytes || size == 0)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, bytes, size);
    GlobalUnlock(block);
    // GDI+ may decode lazily from the stream it keeps, so the stream owns
    // the block and frees it when the image lets the stream go.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    GpImage* image = nullptr;
    if (DllExports::GdipLoadImageFromStream(stream, &image) != Ok)
        image = nullptr;
    stream->Release();
    return image;
}

AppItem::~AppItem()
{
    SetIcon(nullptr);
}

void AppItem::SetIcon(GpImage* icon)
{
    if (icon_ && icon_ != icon)
        DllExports::GdipDisposeImage(icon_);
    icon_ = icon;
}
