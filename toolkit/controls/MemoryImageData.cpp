#include "toolkit/controls/MemoryImageData.h"

#include <cctype>

bool MemoryBitmapUsable(const BkMemoryBitmap& image)
{
    return image.pixels && image.width > 0 && image.height > 0 && image.width <= kMaxMemoryImageSide &&
           image.height <= kMaxMemoryImageSide;
}

bool ParseMemPointer(const std::string& text, uintptr_t* address)
{
    size_t i = 0;
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        i = 2;
    }
    if (i == text.size())
        return false;
    uintptr_t value = 0;
    for (; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        unsigned digit;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(c))
            digit = static_cast<unsigned>(std::tolower(c) - 'a' + 10);
        else
            return false;
        if (value > (UINTPTR_MAX - digit) / base)
            return false;
        value = value * base + digit;
    }
    if (value == 0)
        return false;
    *address = value;
    return true;
}
