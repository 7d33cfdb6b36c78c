// "paintprogress" and "progress": outline, filled part, skins, percentage.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/controls/BkProgress.h"

using namespace controls_test;

namespace {

void Configure(CBkWindow* e, const char* min, const char* max, const char* value)
{
    e->SetAttribute("min", min, true);
    e->SetAttribute("max", max, true);
    e->SetAttribute("value", value, true);
    e->SetRect(RECT{0, 0, 102, 12});
}

class Progress : public WithSkins {};

}  // namespace

TEST(PaintProgress, OutlineIsGreyAndFilledPartIsInTheForegroundColour)
{
    CBkPaintProgress bar;
    bar.SetAttribute("crfg", "00FF00", true);
    Configure(&bar, "0", "100", "50");
    Canvas canvas(102, 12);
    bar.RedrawRegion(canvas.Dc(), nullptr);
    uint32_t green = DibOf("00FF00");
    EXPECT_EQ(Dib(kProgressOutline), canvas.At(50, 0));
    EXPECT_EQ(Dib(kProgressOutline), canvas.At(50, 11));
    EXPECT_EQ(green, canvas.At(1, 5));
    EXPECT_EQ(green, canvas.At(50, 5));
    EXPECT_EQ(kBlank, canvas.At(51, 5));  // 50 of the 100 inner pixels
    EXPECT_EQ(kBlank, canvas.At(0, 0));   // the rounded corner
}

TEST(PaintProgress, ValueBeyondTheMaximumShowsFullAndEqualBoundsShowNothing)
{
    Canvas full(102, 12), empty(102, 12);
    CBkPaintProgress over, flat;
    over.SetAttribute("crfg", "00FF00", true);
    flat.SetAttribute("crfg", "00FF00", true);
    Configure(&over, "0", "100", "150");
    Configure(&flat, "7", "7", "7");
    over.RedrawRegion(full.Dc(), nullptr);
    flat.RedrawRegion(empty.Dc(), nullptr);
    uint32_t green = DibOf("00FF00");
    EXPECT_EQ(100 * 10, full.Count(1, 1, 101, 11, green));
    EXPECT_EQ(0, empty.Count(0, 0, 102, 12, green));
}

TEST(PaintProgress, PercentageIsPrintedOnlyWhenAsked)
{
    Canvas plain(102, 20), printed(102, 20);
    for (int show = 0; show < 2; ++show) {
        CBkPaintProgress bar;
        bar.SetAttribute("crtext", "FFFFFF", true);
        bar.SetAttribute("showpercent", show ? "1" : "0", true);
        Configure(&bar, "0", "100", "40");
        bar.SetRect(RECT{0, 0, 102, 20});
        bar.RedrawRegion((show ? printed : plain).Dc(), nullptr);
    }
    EXPECT_EQ(0, plain.Count(2, 2, 100, 18, DibOf("FFFFFF")));
    EXPECT_GT(printed.Count(2, 2, 100, 18, DibOf("FFFFFF")), 5);
}

TEST_F(Progress, SkinsReplaceTheOutlineAndDrawTheFilledPart)
{
    RecordingSkin* bg = AddSkin("bg");
    RecordingSkin* pos = AddSkin("pos", SIZE{0, 9});
    CBkProgress bar;
    bar.SetAttribute("bgskin", "bg", true);
    bar.SetAttribute("posskin", "pos", true);
    Configure(&bar, "100", "0", "25");  // reversed range
    bar.SetRect(RECT{0, 0, 200, 12});
    Canvas canvas(200, 12);
    bar.RedrawRegion(canvas.Dc(), nullptr);
    ASSERT_EQ(1u, bg->rects.size());
    element_test::ExpectRect(bg->rects[0], 0, 0, 200, 12, "background");
    ASSERT_EQ(1u, pos->rects.size());
    element_test::ExpectRect(pos->rects[0], 0, 0, 50, 12, "filled");
    EXPECT_NE(Dib(kProgressOutline), canvas.At(100, 0));
}

TEST_F(Progress, MeasuresAsHighAsThePositionSkin)
{
    AddSkin("pos", SIZE{0, 9});
    auto dlg = LoadPlaced("<dlg><progress id=\"1\" pos=\"0,0,100,30\" posskin=\"pos\"/>"
                          "<progress id=\"2\" pos=\"0,0,100,30\"/></dlg>",
                          nullptr, 200, 100);
    element_test::ExpectRect(dlg->FindChildById(1)->Rect(), 0, 0, 100, 9, "skinned");
    element_test::ExpectRect(dlg->FindChildById(2)->Rect(), 0, 0, 100, 30, "plain");
}

TEST_F(Progress, WithoutAPositionSkinNothingIsFilled)
{
    CBkProgress bar;
    bar.SetAttribute("crfg", "00FF00", true);  // not one of its attributes
    Configure(&bar, "0", "10", "10");
    Canvas canvas(102, 12);
    bar.RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0, canvas.Count(0, 0, 102, 12, DibOf("00FF00")));
    EXPECT_EQ(Dib(kProgressOutline), canvas.At(50, 0));
}
