// "hr": the rule on a row's last line, bands, pen styles and widths.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkLine.h"

using namespace element_test;

TEST(LineElement, RowRuleIsOnePixelOnTheLastLineAndABandIsFilled)
{
    auto dlg = LoadPlaced("<dlg pos=\"0,0,-0,-0\"><hr id=\"1\" pos=\"0,-1,-0,-1\" crbg=\"FF0000\"/>"
                          "<hr id=\"2\" pos=\"2,2,12,12\" crbg=\"00FF00\"/></dlg>",
                          nullptr, 60, 35);
    element_test::ExpectRect(dlg->FindChildById(1)->Rect(), 0, 34, 60, 34, "hr");
    Canvas canvas(60, 35);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(60, canvas.Count(0, 34, 60, 35, DibOf("FF0000")));
    EXPECT_EQ(100, canvas.Count(2, 2, 12, 12, DibOf("00FF00")));
    EXPECT_EQ(100, canvas.Changed(0, 0, 60, 34));
}
