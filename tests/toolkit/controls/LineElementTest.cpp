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

TEST(LineElement, DottedRulesLeaveGapsAndSizeIsThePenWidth)
{
    auto paint = [](const char* style, const char* size) {
        CBkLine hr;
        hr.SetAttribute("style", style, true);
        hr.SetAttribute("size", size, true);
        hr.SetAttribute("crbg", "0000FF", true);
        hr.SetRect(RECT{0, 10, 60, 10});
        Canvas canvas(60, 20);
        hr.RedrawRegion(canvas.Dc(), nullptr);
        EXPECT_EQ(0, canvas.Changed(0, 0, 60, 8));
        return canvas.Count(0, 8, 60, 12, DibOf("0000FF"));
    };
    EXPECT_EQ(60, paint("solid", "1"));
    int dots = paint("dot", "1");
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 50);
    EXPECT_GT(paint("wavy", "3"), 120) << "unknown style stays solid, three pixels wide";
    CBkLine hr;
    EXPECT_EQ(kAttrNotRecognised, hr.SetAttribute("style", "wavy", true));
}
