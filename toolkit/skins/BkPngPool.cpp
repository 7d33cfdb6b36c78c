#include "toolkit/skins/BkPngPool.h"

#include <cstring>
#include <vector>

#include <objidl.h>
#include <gdiplus.h>

#include "toolkit/XmlResource.h"
#include "toolkit/skins/PngDecoder.h"

using namespace Gdiplus;

namespace {

// A bitmap of GDI+'s own holding the pixels; nullptr when GDI+ refuses.
GpImage* BitmapOfPixels(const PngPixels& pixels)
{
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(pixels.width, pixels.height, 0, PixelFormat32bppARGB, nullptr,
                                              &bitmap) != Ok)
        return nullptr;
    const GpRect all(0, 0, pixels.width, pixels.height);
    BitmapData locked = {};
    if (DllExports::GdipBitmapLockBits(bitmap, &all, ImageLockModeWrite, PixelFormat32bppARGB, &locked) != Ok) {
        DllExports::GdipDisposeImage(bitmap);
        return nullptr;
    }
    const size_t rowBytes = static_cast<size_t>(pixels.width) * 4;
    for (int32_t y = 0; y < pixels.height; ++y)
        std::memcpy(static_cast<char*>(locked.Scan0) + static_cast<ptrdiff_t>(y) * locked.Stride,
                    pixels.bgra.data() + y * rowBytes, rowBytes);
    DllExports::GdipBitmapUnlockBits(bitmap, &locked);
    return bitmap;
}

}  // namespace

// GDI+ may read from the stream for as long as the image exists: the
// stream owns the copy of the bytes and frees it when the image lets the
// stream go.
GpImage* SystemDecodeImage(const char* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    if (void* data = GlobalLock(block)) {
        std::memcpy(data, bytes, size);
        GlobalUnlock(block);
    }
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) {
        GlobalFree(block);
        return nullptr;
    }
    GpImage* image = nullptr;
    if (DllExports::GdipLoadImageFromStream(stream, &image) != Ok)
        image = nullptr;
    stream->Release();
    return image;
}

GpImage* DecodeGdiplusImage(const char* bytes, size_t size)
{
    if (!bytes || size == 0)
        return nullptr;
    PngPixels pixels;
    const uint8_t* data = reinterpret_cast<const uint8_t*>(bytes);
    const PngResult result = DecodePng(data, size, &pixels);
    if (result == PngResult::Ok)
        return BitmapOfPixels(pixels);
    // The pixel bound holds for every decoder: a PNG whose header (read even
    // where libpng refuses the rest) declares more is drawn by none.
    if (result == PngResult::TooLarge || PngHeaderPixels(data, size) > kPngMaxPixels)
        return nullptr;
    // Other formats, and PNGs libpng refuses: the system's codec (loaded
    // only then) draws what it can, within the same bound on its frame.
    GpImage* image = SystemDecodeImage(bytes, size);
    UINT w = 0, h = 0;
    if (image && (DllExports::GdipGetImageWidth(image, &w) != Ok || DllExports::GdipGetImageHeight(image, &h) != Ok ||
                  static_cast<int64_t>(w) * h > kPngMaxPixels)) {
        DllExports::GdipDisposeImage(image);
        image = nullptr;
    }
    return image;
}

BkPngImage::BkPngImage(GpImage* image) : image_(image)
{
    UINT w = 0, h = 0;
    if (image_ && DllExports::GdipGetImageWidth(image_, &w) == Ok && DllExports::GdipGetImageHeight(image_, &h) == Ok) {
        width_ = static_cast<int32_t>(w);
        height_ = static_cast<int32_t>(h);
    }
    if (width_ <= 0 || height_ <= 0) {
        width_ = 0;
        height_ = 0;
    }
}

BkPngImage::~BkPngImage()
{
    if (image_)
        DllExports::GdipDisposeImage(image_);
}

std::unique_ptr<BkPngImage> DecodeImageBytes(const char* bytes, size_t size)
{
    return std::make_unique<BkPngImage>(DecodeGdiplusImage(bytes, size));
}

BkPngPool& BkPngPool::Instance()
{
    // Never destroyed, so GDI+ is never shut down under live images.
    static BkPngPool* pool = new BkPngPool();
    return *pool;
}

const BkPngImage* BkPngPool::GetPng(unsigned id)
{
    auto it = images_.find(id);
    if (it != images_.end())
        return it->second.get();
    std::vector<char> bytes;
    if (id == 0 || id > 0xFFFF || !LoadResourceBytes(GetModuleHandleW(nullptr), L"png", id, &bytes))
        bytes.clear();
    // The reader adds a terminating zero that is not part of the image.
    const size_t size = bytes.empty() ? 0 : bytes.size() - 1;
    std::unique_ptr<BkPngImage> image = DecodeImageBytes(bytes.data(), size);
    const BkPngImage* result = image.get();
    images_[id] = std::move(image);
    return result;
}
