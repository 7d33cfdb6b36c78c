#include "toolkit/ValueFormat.h"

#include <limits>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

uint32_t ColourPair(const std::string& text, size_t at)
{
    if (at >= text.size())
        return 0;
    return ParseHex(text.data() + at, text.size() - at, 2);
}

}  // namespace

uint32_t ParseHex(const char* text, size_t length, size_t limit)
{
    if (limit != 0 && length > limit)
        length = limit;
    uint32_t value = 0;
    for (size_t i = 0; i < length; ++i) {
        int d = HexDigit(text[i]);
        if (d < 0)
            return 0;
        value = (value << 4) | static_cast<uint32_t>(d);
    }
    return value;
}

uint32_t ParseHex(const std::string& text, size_t limit)
{
    return ParseHex(text.data(), text.size(), limit);
}

uint32_t ParseColour(const std::string& text)
{
    return ColourPair(text, 0) | (ColourPair(text, 2) << 8) | (ColourPair(text, 4) << 16);
}

FontCode ParseFontCode(const std::string& text)
{
    return static_cast<FontCode>(ParseHex(text) & 0xFFFFu);
}

int32_t ParseDecimal(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int64_t cap = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > cap)
            value = cap;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

FontCodeParts DecodeFontCode(FontCode code)
{
    FontCodeParts parts;
    parts.italic = (code & 0x0001) != 0;
    parts.underline = (code & 0x0002) != 0;
    parts.bold = (code & 0x0004) != 0;
    parts.sizeDelta = static_cast<int8_t>(static_cast<uint8_t>(code >> 8));
    return parts;
}

int FontHeightFor(int baseHeight, FontCode code)
{
    return baseHeight - DecodeFontCode(code).sizeDelta;
}
