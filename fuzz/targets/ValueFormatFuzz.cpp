// Attribute values as anything at all: colours, font codes, hexadecimal
// and decimal numbers keep their ranges and read what the text says.
#include <cerrno>
#include <cstdlib>
#include <limits>

#include "fuzz/FuzzCheck.h"
#include "toolkit/ValueFormat.h"

namespace {

bool AllHex(const std::string& s)
{
    return s.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

// The C library's reading of a decimal, clamped to 32 bits.
int32_t LibraryDecimal(const std::string& text)
{
    errno = 0;
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (v > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);

    const uint32_t colour = ParseColour(text);
    FUZZ_CHECK((colour & 0xFF000000u) == 0);
    FUZZ_CHECK(ColourIsSet(colour));
    if (text.size() >= 6 && AllHex(text.substr(0, 6))) {
        uint32_t r = static_cast<uint32_t>(std::strtoul(text.substr(0, 2).c_str(), nullptr, 16));
        uint32_t g = static_cast<uint32_t>(std::strtoul(text.substr(2, 2).c_str(), nullptr, 16));
        uint32_t b = static_cast<uint32_t>(std::strtoul(text.substr(4, 2).c_str(), nullptr, 16));
        FUZZ_CHECK(colour == (r | g << 8 | b << 16));
    }

    const uint32_t hex = ParseHex(text);
    if (!AllHex(text))
        FUZZ_CHECK(hex == 0);
    else if (!text.empty() && text.size() <= 8)
        FUZZ_CHECK(hex == std::strtoul(text.c_str(), nullptr, 16));
    for (size_t limit = 0; limit < 10; ++limit) {
        uint32_t limited = ParseHex(text.data(), text.size(), limit);
        if (limit != 0 && limit < text.size())
            FUZZ_CHECK(limited == ParseHex(text.substr(0, limit)));
        else
            FUZZ_CHECK(limited == hex);
    }

    const uint16_t code = ParseFontCode(text);
    FUZZ_CHECK(code == (hex & 0xFFFFu));
    const FontCodeParts parts = DecodeFontCode(code);
    FUZZ_CHECK(parts.sizeDelta >= -128 && parts.sizeDelta <= 127);
    FUZZ_CHECK(parts.italic == ((code & 1) != 0) && parts.underline == ((code & 2) != 0) &&
               parts.bold == ((code & 4) != 0));
    for (int base : {-12, 0, 12, std::numeric_limits<int>::max() - 128, std::numeric_limits<int>::min() + 128})
        FUZZ_CHECK(FontHeightFor(base, code) == base - parts.sizeDelta);

    FUZZ_CHECK(ParseDecimal(text) == LibraryDecimal(text));
    return 0;
}
