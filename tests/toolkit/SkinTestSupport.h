// A memory canvas for skin drawing tests, blank in a colour of its own.
#pragma once

#include <cstdint>

#include "MemoryCanvas.h"
#include "toolkit/ElementTypes.h"

namespace skin_test {

using pixel_test::Hex;
using pixel_test::Near;

// Pixels read as 0xRRGGBB (the DIB's blue, green, red from the low byte).
constexpr uint32_t kBlank = 0x123456;

class Canvas : public pixel_test::MemoryCanvas {
public:
    Canvas(int w, int h) : MemoryCanvas(w, h, skin_test::kBlank) {}
};

}  // namespace skin_test
