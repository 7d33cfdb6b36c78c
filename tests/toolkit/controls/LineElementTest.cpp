// "hr": pen style names, the rule on a row's last line and bands.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/controls/BkLine.h"

using namespace controls_test;

TEST(LineElement, RowRuleIsOnePixelOnTheLastLineAcrossTheFullWidth)
{
    auto dlg = LoadPlaced("<dlg pos=\"0,0,-0,-0\"><hr id=\"1\" pos=\"0,-1,-0,-1\" crbg=\"FF0000\"/></dlg>", nullptr,
                          60, 35);
    CBkWindow* hr = dlg->FindChildById(1);
    element_test::ExpectRect(hr->Rect(), 0, 34, 60, 34, "hr");
    Canvas canvas(60, 35);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    uint32_t red = DibOf("FF0000");
    EXPECT_EQ(60, canvas.Count(0, 34, 60, 35, red));  // LineTo leaves out x = 60 only
    EXPECT_EQ(0, canvas.Changed(0, 0, 60, 34));
}

TEST(LineElement, BandWithAHeightIsFilledAndCrossedByTheDiagonal)
{
    CBkLine hr;
    hr.SetAttribute("crbg", "00FF00", true);
    hr.SetRect(RECT{2, 2, 12, 12});
    Canvas canvas(20, 20);
    hr.RedrawRegion(canvas.Dc(), nullptr);
    uint32_t green = DibOf("00FF00");
    EXPECT_EQ(100, canvas.Count(2, 2, 12, 12, green));
    EXPECT_EQ(0, canvas.Changed(12, 0, 20, 20));
}

TEST(LineElement, DottedRuleLeavesGaps)
{
    auto paint = [](const char* style, Canvas* canvas) {
        CBkLine hr;
        EXPECT_EQ(0, hr.SetAttribute("style", style, true));
        hr.SetAttribute("crbg", "0000FF", true);
        hr.SetRect(RECT{0, 5, 60, 5});
        hr.RedrawRegion(canvas->Dc(), nullptr);
    };
    Canvas solid(60, 10), dotted(60, 10);
    paint("solid", &solid);
    paint("dot", &dotted);
    uint32_t blue = DibOf("0000FF");
    EXPECT_EQ(60, solid.Count(0, 5, 60, 6, blue));
    int dots = dotted.Count(0, 5, 60, 6, blue);
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 50);
}

TEST(LineElement, UnknownStyleIsNotRecognisedAndSizeIsThePenWidth)
{
    CBkLine hr;
    EXPECT_EQ(kAttrNotRecognised, hr.SetAttribute("style", "wavy", true));
    EXPECT_EQ(LineSolid, hr.PenStyle());
    EXPECT_EQ(0, hr.SetAttribute("size", "3", true));
    hr.SetAttribute("crbg", "FF00FF", true);
    hr.SetRect(RECT{0, 10, 40, 10});
    Canvas canvas(40, 20);
    // Only the pen draws: the band itself has no height.
    hr.RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0, canvas.Changed(0, 0, 40, 8));
    EXPECT_GT(canvas.Count(0, 9, 40, 12, DibOf("FF00FF")), 80);
}
