// Pen style names of "hr".
#include <gtest/gtest.h>

#include "toolkit/ElementTypes.h"
#include "toolkit/controls/LineStyle.h"

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
