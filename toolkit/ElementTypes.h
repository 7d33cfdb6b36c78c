// Plain values shared by the element tree: handles, state bits, layout
// flags and rectangles. No window headers, so layout arithmetic is portable.
#pragma once

#include <cstdint>

using ElementHandle = uint32_t;

enum ElementState : uint32_t {
    StateHover = 0x01,
    StatePushDown = 0x02,
    StateChecked = 0x04,
    StateHidden = 0x08,
    StateDisabled = 0x10,
};

// Width mode in bits 0-2, height mode in bits 4-6.
enum SizeMode : uint32_t {
    SizeFixed = 0x1,
    SizeContent = 0x2,
    SizeFull = 0x4,
};
constexpr uint32_t kWidthModeMask = 0x07;
constexpr int kHeightModeShift = 4;
constexpr uint32_t kHeightModeMask = 0x70;
constexpr uint32_t kLayoutNotFloating = 0x100;
constexpr uint32_t kLayoutFloating = 0x200;

constexpr uint32_t kValignTop = 0;
constexpr uint32_t kValignMiddle = 0x1000;
constexpr uint32_t kValignBottom = 0x2000;
constexpr uint32_t kAlignLeft = 0;
constexpr uint32_t kAlignCenter = 0x4000;
constexpr uint32_t kAlignRight = 0x8000;

inline uint32_t WidthMode(uint32_t flags) { return flags & kWidthModeMask; }
inline uint32_t HeightMode(uint32_t flags) { return (flags & kHeightModeMask) >> kHeightModeShift; }
inline uint32_t WithWidthMode(uint32_t flags, uint32_t mode)
{
    return (flags & ~kWidthModeMask) | (mode & kWidthModeMask);
}
inline uint32_t WithHeightMode(uint32_t flags, uint32_t mode)
{
    return (flags & ~kHeightModeMask) | ((mode << kHeightModeShift) & kHeightModeMask);
}

// Coordinates come from untrusted layout text: sums wrap instead of
// overflowing.
inline int32_t WrapAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapSub(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

struct ElementRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return WrapSub(right, left); }
    int32_t Height() const { return WrapSub(bottom, top); }
    bool Contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};
