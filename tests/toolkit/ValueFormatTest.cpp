// Hex, colour, font-code and decimal values as layouts and skins write them.
#include <gtest/gtest.h>

#include "toolkit/ValueFormat.h"

TEST(ParseHexAndColour, DigitsJunkLimitsAndRedInTheLowByte)
{
    const struct {
        const char* text;
        uint32_t hex, colour;
    } cases[] = {
        {"8030", 0x8030, 0x3080},   {"abcdef", 0xABCDEF, 0xEFCDAB}, {"ABCDEF", 0xABCDEF, 0xEFCDAB},
        {"", 0, 0},                 {"0x10", 0, 0x1000},              {" 12", 0, 0x0200},
        {"ff0000", 0xFF0000, 0xFF}, {"006DBA", 0x6DBA, 0xBA6D00},   {"FFF", 0xFFF, 255 + 15 * 256},
        {"a", 0xA, 0x0A},           {"FFzzFF", 0, 0xFF00FF},        {"#FFFFFF", 0, 0xFFFF00},
        {"010203junk", 0, 0x030201},  // only the first six digits are read
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.hex, ParseHex(c.text)) << c.text;
        EXPECT_EQ(c.colour, ParseColour(c.text)) << c.text;
    }
    EXPECT_EQ(0xABu, ParseHex("abzz", 2));  // junk beyond the limit is never looked at
    EXPECT_EQ(0u, ParseHex("az", 2));
}

TEST(FontCode, LowSixteenBitsStyleBitsAndSignedSizeDelta)
{
    EXPECT_EQ(0x2345, ParseFontCode("12345"));
    EXPECT_EQ(0, ParseFontCode("0x0104"));
    EXPECT_EQ(0, ParseFontCode("large"));
    FontCodeParts p = DecodeFontCode(0x0107);
    EXPECT_TRUE(p.italic && p.underline && p.bold);
    EXPECT_EQ(1, p.sizeDelta);
    p = DecodeFontCode(0xFE00);
    EXPECT_FALSE(p.italic || p.underline || p.bold);
    EXPECT_EQ(-2, p.sizeDelta);
    const struct {
        const char* code;
        int32_t height;
    } heights[] = {{"0104", -13}, {"0504", -17}, {"0400", -16}, {"0004", -12}, {"FE00", -10}};
    for (const auto& h : heights)
        EXPECT_EQ(h.height, FontHeightFor(-12, ParseFontCode(h.code))) << h.code;
}
