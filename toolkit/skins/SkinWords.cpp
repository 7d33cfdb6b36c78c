#include "toolkit/skins/SkinWords.h"

#include "toolkit/ElementTypes.h"

bool ParseImageMode(const std::string& word, int32_t* mode)
{
    if (word == "none")
        *mode = ImageModeOpaque;
    else if (word == "mask")
        *mode = ImageModeMask;
    else if (word == "alpha")
        *mode = ImageModeAlpha;
    else
        return false;
    return true;
}

bool ParseFramePart(const std::string& word, uint32_t* part)
{
    static const struct {
        const char* word;
        uint32_t value;
    } kParts[] = {
        {"all", 0x2F}, {"top", 0x2B}, {"middle", 0x2A}, {"bottom", 0x2E},
        {"left", 0x0F}, {"center", 0x07}, {"right", 0x27},
    };
    for (const auto& p : kParts) {
        if (word == p.word) {
            *part = p.value;
            return true;
        }
    }
    return false;
}

bool ParseGradientDirection(const std::string& word, int32_t* direction)
{
    if (word == "horz")
        *direction = GradientHorizontal;
    else if (word == "vert")
        *direction = GradientVertical;
    else
        return false;
    return true;
}

int32_t HorzExtendCell(int32_t state)
{
    if (state == -1)
        return -1;
    uint32_t bits = static_cast<uint32_t>(state);
    if (bits & StateDisabled)
        return 3;
    if (bits & StatePushDown)
        return 2;
    if (bits & StateHover)
        return 1;
    return 0;
}

int64_t CellOffset(int32_t cell, int32_t subwidth)
{
    if (cell == -1 || subwidth == 0)
        return 0;
    return int64_t{cell} * subwidth;
}
