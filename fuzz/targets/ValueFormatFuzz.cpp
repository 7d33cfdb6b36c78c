// Attribute values as anything at all: colours fit 24 bits, font codes are
// the low sixteen bits of the hexadecimal reading, and decimals read as the
// C library reads them, saturated to 32 bits.
#include <cstdlib>
#include <limits>

#include "fuzz/FuzzCheck.h"
#include "toolkit/ValueFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::ZeroTerminated(data, size);
    const uint32_t colour = ParseColour(text);
    FUZZ_CHECK((colour & 0xFF000000u) == 0);
    const FontCode code = ParseFontCode(text);
    FUZZ_CHECK(code == (ParseHex(text) & 0xFFFFu));
    for (size_t limit = 0; limit < 10; ++limit)
        ParseHex(text.data(), text.size(), limit);
    const FontCodeParts parts = DecodeFontCode(code);
    FUZZ_CHECK(parts.sizeDelta >= -128 && parts.sizeDelta <= 127);
    const long long library = std::strtoll(text.c_str(), nullptr, 10);
    const long long low = std::numeric_limits<int32_t>::min(), high = std::numeric_limits<int32_t>::max();
    FUZZ_CHECK(ParseDecimal(text) == (library < low ? low : library > high ? high : library));
    return 0;
}
