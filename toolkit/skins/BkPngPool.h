// PNG images of the executable's resources by numeric id, decoded once with
// GDI+ and kept for the life of the process. Creating the pool starts GDI+;
// everything else in the program that decodes images relies on that.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include <windows.h>

#include "toolkit/skins/GdiplusSession.h"

namespace Gdiplus {
class GpImage;
}

// A decoded image, or one that failed to decode: that one draws nothing and
// reads as 0 x 0.
class BkPngImage {
public:
    explicit BkPngImage(Gdiplus::GpImage* image);
    ~BkPngImage();
    BkPngImage(const BkPngImage&) = delete;
    BkPngImage& operator=(const BkPngImage&) = delete;

    bool Valid() const { return image_ != nullptr; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    Gdiplus::GpImage* Get() const { return image_; }

private:
    Gdiplus::GpImage* image_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

class BkPngPool {
public:
    static BkPngPool& Instance();

    // The cached image; never nullptr. A missing or undecodable resource is
    // cached too, as an image that draws nothing.
    const BkPngImage* GetPng(unsigned id);

private:
    BkPngPool() = default;
    GdiplusSession gdiplus_;
    std::map<unsigned, std::unique_ptr<BkPngImage>> images_;
};

// Decodes image bytes (GDI+ must be running: the pool starts it) with
// libpng, or with the system's codec for what libpng leaves to it; nullptr
// when neither reads them. The caller owns the image (GdipDisposeImage).
Gdiplus::GpImage* DecodeGdiplusImage(const char* bytes, size_t size);

// The system's codec alone (GDI+), as DecodeGdiplusImage falls back to it.
Gdiplus::GpImage* SystemDecodeImage(const char* bytes, size_t size);

// The same, owned by a pool image (invalid when unread).
std::unique_ptr<BkPngImage> DecodeImageBytes(const char* bytes, size_t size);
