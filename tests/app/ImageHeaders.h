// Image sizes read straight from the bytes of a PNG or bitmap resource.
#pragma once

#include <string>

struct ImageSize {
    int width = 0;
    int height = 0;
};

// Width and height from the IHDR chunk; false when the bytes are no PNG.
bool ReadPngSize(const std::string& bytes, ImageSize* size);

// Accepts a .bmp file or a bitmap resource (the same without the 14-byte
// file header); false for anything else.
bool ReadBitmapSize(const std::string& bytes, ImageSize* size);
