// The words and numbers of skin attributes: image modes, frame parts,
// gradient directions. Each parser returns false for a word it does not
// know and then leaves the value as it was.
#pragma once

#include <cstdint>
#include <string>

enum ImageMode : int32_t {
    ImageModeOpaque = 0,
    ImageModeMask = 1,
    ImageModeAlpha = 2,
};

// Edges of a nine-part frame; 0x02 is part of every value and draws nothing.
enum FramePart : uint32_t {
    FrameTop = 0x01,
    FrameAlways = 0x02,
    FrameBottom = 0x04,
    FrameLeft = 0x08,
    FrameRight = 0x20,
};
constexpr uint32_t kFramePartAll = 0x2F;

enum GradientDirection : int32_t {
    GradientHorizontal = 0,
    GradientVertical = 1,
};

bool ParseImageMode(const std::string& word, int32_t* mode);
bool ParseFramePart(const std::string& word, uint32_t* part);
bool ParseGradientDirection(const std::string& word, int32_t* direction);

// The cell of a three-part horizontal stretch: -1 stays -1 (whole image),
// otherwise disabled 3, pushed 2, hover 1, else 0.
int32_t HorzExtendCell(int32_t state);

// Source x of a cell in a strip: cell * subwidth, or 0 for cell -1 or a
// zero subwidth. 64 bits, since both come from outside.
int64_t CellOffset(int32_t cell, int32_t subwidth);
