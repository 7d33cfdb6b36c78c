// Decodes icon bytes read out of a package into a GDI+ image.
#pragma once

#include <cstddef>

namespace Gdiplus {
class GpImage;
}

// nullptr when the bytes are no image GDI+ can decode. The caller owns
// the image (GdipDisposeImage).
Gdiplus::GpImage* DecodeIconImage(const unsigned char* bytes, std::size_t size);
