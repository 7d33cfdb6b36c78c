// Pen style names, check box looks and memory-image addresses.
#include <gtest/gtest.h>

#include "toolkit/ElementTypes.h"
#include "toolkit/controls/CheckState.h"
#include "toolkit/controls/LineStyle.h"
#include "toolkit/controls/MemoryImageData.h"

TEST(LineStyle, FiveNamesMapToThePlatformPenStyles)
{
    const struct {
        const char* name;
        int32_t style;
    } cases[] = {{"solid", 0}, {"dash", 1}, {"dot", 2}, {"dashdot", 3}, {"dashdotdot", 4}};
    for (const auto& c : cases) {
        int32_t style = -1;
        EXPECT_TRUE(LinePenStyleFromName(c.name, &style)) << c.name;
        EXPECT_EQ(c.style, style) << c.name;
    }
}

TEST(LineStyle, OtherNamesAreRefusedAndLeaveTheStyle)
{
    for (const char* name : {"", "Solid", "dashed", "dot ", "5"}) {
        int32_t style = 3;
        EXPECT_FALSE(LinePenStyleFromName(name, &style)) << name;
        EXPECT_EQ(3, style) << name;
    }
}

TEST(CheckState, ThemeStatesCountUpAndShiftWhenChecked)
{
    EXPECT_EQ(1, CheckBoxThemeState(0, false));
    EXPECT_EQ(2, CheckBoxThemeState(StateHover, false));
    EXPECT_EQ(3, CheckBoxThemeState(StateHover | StatePushDown, false));
    EXPECT_EQ(4, CheckBoxThemeState(StateHover | StatePushDown, true));
    EXPECT_EQ(5, CheckBoxThemeState(StateChecked, false));
    EXPECT_EQ(6, CheckBoxThemeState(StateChecked | StateHover, false));
    EXPECT_EQ(7, CheckBoxThemeState(StateChecked | StateHover | StatePushDown, false));
    EXPECT_EQ(8, CheckBoxThemeState(StateChecked, true));
}

TEST(CheckState, PressMovedOffTheBoxIsNotPressed)
{
    EXPECT_EQ(1, CheckBoxThemeState(StatePushDown, false));
    CheckBoxLook look = CheckBoxClassicLook(StatePushDown, false);
    EXPECT_FALSE(look.pushed);
    EXPECT_FALSE(look.hot);
}

TEST(CheckState, ClassicLooksOfTheFourVariantsDiffer)
{
    CheckBoxLook normal = CheckBoxClassicLook(0, false);
    CheckBoxLook hot = CheckBoxClassicLook(StateHover, false);
    CheckBoxLook pushed = CheckBoxClassicLook(StateHover | StatePushDown, false);
    CheckBoxLook disabled = CheckBoxClassicLook(StateHover | StatePushDown | StateChecked, true);
    EXPECT_FALSE(normal.hot || normal.pushed || normal.inactive || normal.checked);
    EXPECT_TRUE(hot.hot);
    EXPECT_FALSE(hot.pushed);
    EXPECT_TRUE(pushed.pushed);
    EXPECT_TRUE(disabled.inactive);
    EXPECT_TRUE(disabled.checked);
    EXPECT_FALSE(disabled.hot || disabled.pushed);
}

TEST(CheckState, MeasureAddsTheBoxAndKeepsItsHeight)
{
    int32_t w = 0, h = 0;
    CheckBoxMeasure(40, 8, &w, &h);
    EXPECT_EQ(57, w);
    EXPECT_EQ(13, h);
    CheckBoxMeasure(0, 20, &w, &h);
    EXPECT_EQ(17, w);
    EXPECT_EQ(20, h);
}

TEST(MemoryImage, AddressesAreDecimalOrHexadecimal)
{
    uintptr_t a = 0;
    EXPECT_TRUE(ParseMemPointer("4096", &a));
    EXPECT_EQ(4096u, a);
    EXPECT_TRUE(ParseMemPointer("0x1fA0", &a));
    EXPECT_EQ(0x1FA0u, a);
    EXPECT_TRUE(ParseMemPointer("0XFF", &a));
    EXPECT_EQ(0xFFu, a);
}

TEST(MemoryImage, DamagedAddressesAreRefusedAndLeaveTheOutput)
{
    for (const char* text : {"", "0", "0x", "0x0", "12a", "-5", " 12", "0x12g",
                             "999999999999999999999999999999", "0x1234567890abcdef01"}) {
        uintptr_t a = 7;
        EXPECT_FALSE(ParseMemPointer(text, &a)) << text;
        EXPECT_EQ(7u, a) << text;
    }
}

TEST(MemoryImage, OnlySaneImagesAreUsable)
{
    uint32_t pixel = 0;
    BkMemoryBitmap image;
    image.width = 1;
    image.height = 1;
    image.pixels = &pixel;
    EXPECT_TRUE(MemoryBitmapUsable(image));
    image.width = 0;
    EXPECT_FALSE(MemoryBitmapUsable(image));
    image.width = kMaxMemoryImageSide + 1;
    EXPECT_FALSE(MemoryBitmapUsable(image));
    image.width = 4;
    image.height = -1;
    EXPECT_FALSE(MemoryBitmapUsable(image));
    image.height = 1;
    image.pixels = nullptr;
    EXPECT_FALSE(MemoryBitmapUsable(image));
}
