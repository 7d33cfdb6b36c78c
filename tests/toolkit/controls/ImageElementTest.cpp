// "img" and "imgbtn": skin lookup, measuring from the skin and the frame
// drawn for each state.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/controls/BkImageBtnWnd.h"

using namespace controls_test;
using element_test::ExpectRect;

namespace {
class ImageElement : public WithSkins {};
}  // namespace

TEST_F(ImageElement, TwoItemPosTakesTheSkinSize)
{
    AddSkin("arrow", SIZE{24, 12});
    auto dlg = LoadPlaced("<dlg><img id=\"1\" pos=\"5,6\" skin=\"arrow\"/></dlg>", nullptr, 200, 100);
    ExpectRect(dlg->FindChildById(1)->Rect(), 5, 6, 29, 18, "img");
}

TEST_F(ImageElement, SkinReportingOneSideKeepsTheMeasuredOther)
{
    AddSkin("band", SIZE{0, 9});
    auto dlg = LoadPlaced("<dlg><img id=\"1\" pos=\"0,0,50,40\" skin=\"band\"/></dlg>", nullptr, 200, 100);
    ExpectRect(dlg->FindChildById(1)->Rect(), 0, 0, 50, 9, "img");
}

TEST_F(ImageElement, UnknownSkinPaintsNothingAndMeasuresAsItsText)
{
    AddSkin("arrow", SIZE{24, 12});
    auto dlg = LoadPlaced("<dlg><img id=\"1\" pos=\"5,6\" skin=\"nosuch\"/></dlg>", nullptr, 200, 100);
    CBkWindow* img = dlg->FindChildById(1);
    ExpectRect(img->Rect(), 5, 6, 5, 6, "img");
    EXPECT_EQ(0, img->SetAttribute("skin", "other", false));

    Canvas canvas(40, 40);
    CBkImageWnd sized;
    sized.SetAttribute("skin", "nosuch", true);
    sized.SetRect(RECT{0, 0, 40, 40});
    EXPECT_TRUE(sized.RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(0, canvas.Changed(0, 0, 40, 40));
}

TEST_F(ImageElement, SubSelectsTheFrameAndAsksOnlyForARepaint)
{
    RecordingSkin* skin = AddSkin("strip", SIZE{10, 10});
    CBkImageWnd img;
    img.SetAttribute("skin", "strip", true);
    EXPECT_EQ(1, img.SetAttribute("sub", "2", false));
    img.SetRect(RECT{0, 0, 10, 10});
    img.ModifyState(StateHover | StatePushDown, 0);  // the state plays no part
    Canvas canvas(10, 10);
    img.RedrawRegion(canvas.Dc(), nullptr);
    ASSERT_EQ(1u, skin->states.size());
    EXPECT_EQ(2, skin->states[0]);
    EXPECT_EQ(Dib(RecordingSkin::kFrameColours[2]), canvas.At(5, 5));
}

TEST_F(ImageElement, RegionOutsideTheElementPaintsNothing)
{
    RecordingSkin* skin = AddSkin("strip");
    CBkImageWnd img;
    img.SetAttribute("skin", "strip", true);
    img.SetRect(RECT{0, 0, 10, 10});
    Canvas canvas(40, 40);
    ScopedGdiObj<HRGN> region(CreateRectRgn(20, 20, 30, 30));
    EXPECT_FALSE(img.RedrawRegion(canvas.Dc(), region));
    EXPECT_TRUE(skin->states.empty());
}

TEST_F(ImageElement, ButtonFrameFollowsTheState)
{
    RecordingSkin* skin = AddSkin("close", SIZE{10, 10});
    CBkImageBtnWnd button;
    button.SetAttribute("skin", "close", true);
    button.SetAttribute("sub", "2", true);  // not used by a button
    button.SetRect(RECT{0, 0, 10, 10});
    EXPECT_TRUE(button.NeedsRedrawOnStateChange());
    const struct {
        uint32_t state;
        int32_t frame;
    } cases[] = {
        {0, 0},
        {StateHover, 1},
        {StateHover | StatePushDown, 2},
        {StatePushDown, 0},  // pressed, then moved off
        {StateDisabled | StateHover, 3},
        {StateDisabled | StateHover | StatePushDown, 3},
    };
    Canvas canvas(10, 10);
    for (const auto& c : cases) {
        button.ModifyState(c.state, ~c.state);
        skin->states.clear();
        button.RedrawRegion(canvas.Dc(), nullptr);
        ASSERT_EQ(1u, skin->states.size());
        EXPECT_EQ(c.frame, skin->states[0]) << "state " << c.state;
        EXPECT_EQ(Dib(RecordingSkin::kFrameColours[c.frame]), canvas.At(3, 3));
    }
}

TEST_F(ImageElement, ButtonInsideADisabledContainerShowsTheDisabledFrame)
{
    RecordingSkin* skin = AddSkin("close", SIZE{10, 10});
    auto dlg = LoadPlaced("<dlg><imgbtn id=\"1\" pos=\"0,0\" skin=\"close\"/></dlg>", nullptr, 100, 100);
    dlg->ModifyState(StateDisabled, 0);
    CBkWindow* button = dlg->FindChildById(1);
    button->ModifyState(StateHover, 0);
    Canvas canvas(100, 100);
    button->RedrawRegion(canvas.Dc(), nullptr);
    ASSERT_EQ(1u, skin->states.size());
    EXPECT_EQ(3, skin->states[0]);
}
