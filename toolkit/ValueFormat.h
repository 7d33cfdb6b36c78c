// The value formats every attribute uses: hexadecimal numbers, colours,
// font codes and decimal integers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A colour field holding this is not set.
constexpr uint32_t kInvalidColour = 0xFFFFFFFFu;

inline bool ColourIsSet(uint32_t colour) { return colour != kInvalidColour; }

// Hex digits up to the end or up to limit digits (0: no limit); any other
// character makes the whole value 0.
uint32_t ParseHex(const char* text, size_t length, size_t limit);
uint32_t ParseHex(const std::string& text, size_t limit = 0);

// "RRGGBB" to R + G*256 + B*65536, pair by pair; a short pair keeps what it
// has, a missing or non-hex pair gives 0 for its component.
uint32_t ParseColour(const std::string& text);

// A font's description in 16 bits: italic, underline, bold and a size delta.
using FontCode = uint16_t;

// Low 16 bits of the text read as hex.
FontCode ParseFontCode(const std::string& text);

// Optional white space and sign, then digits up to the first other
// character; no digits gives 0. Out-of-range values saturate.
int32_t ParseDecimal(const std::string& text);

struct FontCodeParts {
    bool italic = false;
    bool underline = false;
    bool bold = false;
    int sizeDelta = 0;  // high byte as signed 8 bits
};

FontCodeParts DecodeFontCode(FontCode code);

// Font height of a code: base height minus the size delta.
int FontHeightFor(int baseHeight, FontCode code);
