#include "toolkit/skins/BkPngPool.h"

#include <cstring>
#include <vector>

#include <objidl.h>
#include <gdiplus.h>

#include "toolkit/XmlResource.h"

using namespace Gdiplus;

namespace {

// Releases a COM stream at the end of the scope.
class ScopedStream {
public:
    ScopedStream() = default;
    ~ScopedStream() { if (stream_) stream_->Release(); }
    ScopedStream(const ScopedStream&) = delete;
    ScopedStream& operator=(const ScopedStream&) = delete;
    IStream** Out() { return &stream_; }
    IStream* Get() const { return stream_; }

private:
    IStream* stream_ = nullptr;
};

}  // namespace

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
    GpImage* image = nullptr;
    // The block is never freed: GDI+ may read from the stream for as long as
    // the image exists, and images live until the process ends.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block) {
        void* data = GlobalLock(block);
        if (data && size)
            std::memcpy(data, bytes, size);
        GlobalUnlock(block);
        ScopedStream stream;
        if (CreateStreamOnHGlobal(block, FALSE, stream.Out()) == S_OK) {
            if (DllExports::GdipLoadImageFromStream(stream.Get(), &image) != Ok)
                image = nullptr;
        }
    }
    return std::make_unique<BkPngImage>(image);
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
