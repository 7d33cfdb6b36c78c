// The image a "memimage" shows: 32-bit pixels (blue, green, red, unused
// from the low byte), rows top-down, held by the application. "mempointer"
// carries the address of one of these as text.
#pragma once

#include <cstdint>
#include <string>

struct BkMemoryBitmap {
    int32_t width = 0;
    int32_t height = 0;
    const uint32_t* pixels = nullptr;
};

// Largest side accepted, so a damaged record cannot ask for gigabytes.
constexpr int32_t kMaxMemoryImageSide = 8192;

bool MemoryBitmapUsable(const BkMemoryBitmap& image);

// Decimal, or hexadecimal after "0x"; false for anything else or zero.
bool ParseMemPointer(const std::string& text, uintptr_t* address);
