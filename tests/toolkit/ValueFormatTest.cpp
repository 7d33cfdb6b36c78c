#include <gtest/gtest.h>

#include "toolkit/ValueFormat.h"

TEST(ParseHex, ReadsDigitsOfEitherCase)
{
    EXPECT_EQ(0x8030u, ParseHex("8030"));
    EXPECT_EQ(0xABCDEFu, ParseHex("abcdef"));
    EXPECT_EQ(0xABCDEFu, ParseHex("ABCDEF"));
    EXPECT_EQ(0u, ParseHex(""));
}

TEST(ParseHex, AnyOtherCharacterMakesTheValueZero)
{
    EXPECT_EQ(0u, ParseHex("0x10"));
    EXPECT_EQ(0u, ParseHex("12g"));
    EXPECT_EQ(0u, ParseHex(" 12"));
    EXPECT_EQ(0u, ParseHex("bold"));
}

TEST(ParseHex, StopsAtTheDigitLimit)
{
    EXPECT_EQ(0xABu, ParseHex("abcd", 2));
    // Junk beyond the limit is never looked at.
    EXPECT_EQ(0xABu, ParseHex("abzz", 2));
    EXPECT_EQ(0u, ParseHex("az", 2));
}

TEST(ParseColour, SixDigitsAreRedGreenBlueWithRedInTheLowByte)
{
    EXPECT_EQ(0x0000FFu, ParseColour("ff0000"));
    EXPECT_EQ(0x0000FFu, ParseColour("FF0000"));
    EXPECT_EQ(0xBA6D00u, ParseColour("006DBA"));
    EXPECT_EQ(0xFFFFFFu, ParseColour("FFFFFF"));
}

TEST(ParseColour, PairsCutShortKeepTheirDigitAndMissingPairsAreZero)
{
    EXPECT_EQ(255u + 15u * 256u, ParseColour("FFF"));
    EXPECT_EQ(0x0Au, ParseColour("a"));
    EXPECT_EQ(0u, ParseColour(""));
    EXPECT_EQ(0x3412u, ParseColour("1234"));
}

TEST(ParseColour, AJunkPairOnlyZeroesItsOwnComponent)
{
    EXPECT_EQ(0xFF00FFu, ParseColour("FFzzFF"));
    EXPECT_EQ(0xFFFF00u, ParseColour("#FFFFFF"));
    EXPECT_EQ(0u, ParseColour("#F"));
    // Text beyond six digits is not read.
    EXPECT_EQ(0x030201u, ParseColour("010203junk"));
}

TEST(ParseFontCode, KeepsTheLowSixteenBits)
{
    EXPECT_EQ(0x0104, ParseFontCode("0104"));
    EXPECT_EQ(0x2345, ParseFontCode("12345"));
    EXPECT_EQ(0, ParseFontCode("0x0104"));
    EXPECT_EQ(0, ParseFontCode("large"));
    EXPECT_EQ(0, ParseFontCode(""));
}

TEST(DecodeFontCode, BitsAndSignedSizeDelta)
{
    FontCodeParts p = DecodeFontCode(0x0107);
    EXPECT_TRUE(p.italic);
    EXPECT_TRUE(p.underline);
    EXPECT_TRUE(p.bold);
    EXPECT_EQ(1, p.sizeDelta);
    p = DecodeFontCode(0xFE00);
    EXPECT_FALSE(p.italic || p.underline || p.bold);
    EXPECT_EQ(-2, p.sizeDelta);
}

TEST(DecodeFontCode, HeightIsBaseMinusDelta)
{
    EXPECT_EQ(-13, FontHeightFor(-12, ParseFontCode("0104")));
    EXPECT_EQ(-17, FontHeightFor(-12, ParseFontCode("0504")));
    EXPECT_EQ(-16, FontHeightFor(-12, ParseFontCode("0400")));
    EXPECT_EQ(-12, FontHeightFor(-12, ParseFontCode("0004")));
    EXPECT_EQ(-10, FontHeightFor(-12, ParseFontCode("FE00")));
}

TEST(ParseDecimal, UsualStringToIntegerRule)
{
    EXPECT_EQ(20003, ParseDecimal("20003"));
    EXPECT_EQ(-5, ParseDecimal("-5"));
    EXPECT_EQ(7, ParseDecimal("+7px"));
    EXPECT_EQ(12, ParseDecimal("  12"));
    EXPECT_EQ(0, ParseDecimal("x12"));
    EXPECT_EQ(0, ParseDecimal(""));
    EXPECT_EQ(0, ParseDecimal("-"));
}

TEST(ParseDecimal, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(2147483647, ParseDecimal("99999999999999999999"));
    EXPECT_EQ(-2147483647 - 1, ParseDecimal("-99999999999999999999"));
    EXPECT_EQ(-2147483647 - 1, ParseDecimal("-2147483648"));
}
