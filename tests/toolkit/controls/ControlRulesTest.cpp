// Pen style names, check box looks and memory-image addresses.
#include <gtest/gtest.h>

#include "toolkit/ElementTypes.h"
#include "toolkit/controls/CheckState.h"
#include "toolkit/controls/LineStyle.h"
#include "toolkit/controls/MemoryImageData.h"

TEST(LineStyle, FiveNamesMapToPenStylesAndOthersLeaveTheStyle)
{
    const char* names[] = {"solid", "dash", "dot", "dashdot", "dashdotdot"};
    for (int32_t i = 0; i < 5; ++i) {
        int32_t style = -1;
        EXPECT_TRUE(LinePenStyleFromName(names[i], &style));
        EXPECT_EQ(i, style) << names[i];
    }
    for (const char* name : {"", "Solid", "dot ", "5"}) {
        int32_t style = 3;
        EXPECT_FALSE(LinePenStyleFromName(name, &style)) << name;
        EXPECT_EQ(3, style);
    }
}

TEST(CheckState, ThemeStatesLooksAndMeasure)
{
    const uint32_t H = StateHover, P = StatePushDown, C = StateChecked;
    const struct {
        uint32_t state;
        bool disabled;
        int theme;
    } cases[] = {{0, false, 1}, {H, false, 2}, {H | P, false, 3}, {H | P, true, 4}, {P, false, 1},
                 {C, false, 5}, {C | H, false, 6}, {C | H | P, false, 7}, {C, true, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(c.theme, CheckBoxThemeState(c.state, c.disabled)) << c.state << " " << c.disabled;
    // A press moved off the box is neither pushed nor hot; disabled shows only checked.
    CheckBoxLook off = CheckBoxClassicLook(P, false);
    EXPECT_FALSE(off.pushed || off.hot);
    CheckBoxLook disabled = CheckBoxClassicLook(H | P | C, true);
    EXPECT_TRUE(disabled.inactive && disabled.checked);
    EXPECT_FALSE(disabled.hot || disabled.pushed);
    int32_t w = 0, h = 0;
    CheckBoxMeasure(40, 8, &w, &h);
    EXPECT_EQ(57, w);
    EXPECT_EQ(13, h);
    CheckBoxMeasure(0, 20, &w, &h);
    EXPECT_EQ(20, h);
}

TEST(MemoryImage, AddressesAndImagesAreCheckedBeforeUse)
{
    uintptr_t a = 0;
    EXPECT_TRUE(ParseMemPointer("4096", &a));
    EXPECT_EQ(4096u, a);
    EXPECT_TRUE(ParseMemPointer("0x1fA0", &a));
    EXPECT_EQ(0x1FA0u, a);
    for (const char* text : {"", "0", "0x0", "12a", "-5", " 12", "999999999999999999999999999999",
                             "0x1234567890abcdef01"}) {
        uintptr_t kept = 7;
        EXPECT_FALSE(ParseMemPointer(text, &kept)) << text;
        EXPECT_EQ(7u, kept) << text;
    }
    uint32_t pixel = 0;
    BkMemoryBitmap image;
    image.width = 1, image.height = 1, image.pixels = &pixel;
    EXPECT_TRUE(MemoryBitmapUsable(image));
    image.width = kMaxMemoryImageSide + 1;
    EXPECT_FALSE(MemoryBitmapUsable(image));
    image.width = 4, image.height = -1;
    EXPECT_FALSE(MemoryBitmapUsable(image));
    image.height = 1, image.pixels = nullptr;
    EXPECT_FALSE(MemoryBitmapUsable(image));
}
