// "paintprogress" and "progress": outline, filled part, skins, percentage.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkProgress.h"

using namespace element_test;

namespace {
void Configure(CBkWindow* e, const char* min, const char* max, const char* value, int height = 12)
{
    e->SetAttribute("min", min, true);
    e->SetAttribute("max", max, true);
    e->SetAttribute("value", value, true);
    e->SetRect(RECT{0, 0, 102, height});
}

class Progress : public WithSkins {};
}  // namespace

TEST(PaintProgress, GreyOutlineFilledPartAndPercentOnlyWhenAsked)
{
    uint32_t green = DibOf("00FF00"), white = DibOf("FFFFFF");
    for (int show = 0; show < 2; ++show) {
        CBkPaintProgress bar;
        bar.SetAttribute("crfg", "00FF00", true);
        bar.SetAttribute("crtext", "FFFFFF", true);
        bar.SetAttribute("showpercent", show ? "1" : "0", true);
        Configure(&bar, "0", "100", "50", 20);
        Canvas canvas(102, 20);
        bar.RedrawRegion(canvas.Dc(), nullptr);
        EXPECT_EQ(Dib(kProgressOutline), canvas.At(70, 0));
        EXPECT_EQ(Dib(kProgressOutline), canvas.At(70, 19));
        EXPECT_EQ(green, canvas.At(1, 5));
        EXPECT_EQ(kBlank, canvas.At(51, 5));  // 50 of the 100 inner pixels
        EXPECT_EQ(kBlank, canvas.At(0, 0));   // the rounded corner
        EXPECT_EQ(show != 0, canvas.Count(2, 2, 100, 18, white) > 5) << show;
    }
}

TEST_F(Progress, SkinsDrawTheBackgroundAndTheFilledPartOfAReversedRange)
{
    RecordingSkin* bg = AddSkin("bg");
    RecordingSkin* pos = AddSkin("pos", SIZE{0, 9});
    CBkProgress bar;
    bar.SetAttribute("bgskin", "bg", true);
    bar.SetAttribute("posskin", "pos", true);
    Configure(&bar, "100", "0", "25");
    bar.SetRect(RECT{0, 0, 200, 12});
    Canvas canvas(200, 12);
    bar.RedrawRegion(canvas.Dc(), nullptr);
    ASSERT_EQ(1u, bg->rects.size());
    element_test::ExpectRect(bg->rects[0], 0, 0, 200, 12, "background");
    ASSERT_EQ(1u, pos->rects.size());
    element_test::ExpectRect(pos->rects[0], 0, 0, 50, 12, "filled");

    // Measured as high as the position skin; without one, nothing is filled.
    auto dlg = LoadPlaced("<dlg><progress id=\"1\" pos=\"0,0,100,30\" posskin=\"pos\"/>"
                          "<progress id=\"2\" pos=\"0,0,100,30\" crfg=\"00FF00\" value=\"100\"/></dlg>",
                          nullptr, 200, 100);
    element_test::ExpectRect(dlg->FindChildById(1)->Rect(), 0, 0, 100, 9, "skinned");
    element_test::ExpectRect(dlg->FindChildById(2)->Rect(), 0, 0, 100, 30, "plain");
    Canvas plain(200, 100);
    dlg->FindChildById(2)->RedrawRegion(plain.Dc(), nullptr);
    EXPECT_EQ(0, plain.Count(0, 0, 200, 100, DibOf("00FF00")));
    EXPECT_EQ(Dib(kProgressOutline), plain.At(50, 0));
}
