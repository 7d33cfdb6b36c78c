// "img" and "imgbtn": skin lookup, measuring from the skin and the frame
// drawn for each state.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkImageBtnWnd.h"

using namespace element_test;
using element_test::ExpectRect;

namespace {
class ImageElement : public WithSkins {};
}  // namespace

TEST_F(ImageElement, MeasuresFromTheSkinAndDrawsTheSubFrameWhateverTheState)
{
    AddSkin("arrow", SIZE{24, 12});
    AddSkin("band", SIZE{0, 9});
    RecordingSkin* strip = AddSkin("strip", SIZE{10, 10});
    auto dlg = LoadPlaced("<dlg><img id=\"1\" pos=\"5,6\" skin=\"arrow\"/><img id=\"2\" pos=\"0,0,50,40\" skin=\"band\"/>"
                          "<img id=\"3\" pos=\"5,6\" skin=\"nosuch\"/><img id=\"4\" pos=\"60,60\" skin=\"strip\"/>"
                          "<img id=\"5\" pos=\"150,0,190,40\" skin=\"nosuch\"/></dlg>",
                          nullptr, 200, 100);
    ExpectRect(dlg->FindChildById(1)->Rect(), 5, 6, 29, 18, "skin size");
    ExpectRect(dlg->FindChildById(2)->Rect(), 0, 0, 50, 9, "one side from the skin");
    ExpectRect(dlg->FindChildById(3)->Rect(), 5, 6, 5, 6, "unknown skin: as its empty text");

    CBkWindow* img = dlg->FindChildById(4);
    EXPECT_EQ(1, img->SetAttribute("sub", "2", false));  // only a repaint
    img->ModifyState(StateHover | StatePushDown, 0);
    Canvas canvas(200, 100);
    ScopedGdiObj<HRGN> elsewhere(CreateRectRgn(0, 0, 10, 10));
    EXPECT_FALSE(img->RedrawRegion(canvas.Dc(), elsewhere));
    EXPECT_TRUE(strip->states.empty());
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(std::vector<int32_t>{2}, strip->states);
    EXPECT_EQ(Dib(RecordingSkin::kFrameColours[2]), canvas.At(65, 65));
    EXPECT_EQ(0, canvas.Changed(150, 0, 190, 40)) << "the unknown skin draws nothing";
}

TEST_F(ImageElement, ButtonFrameFollowsTheStateAndADisabledContainer)
{
    RecordingSkin* skin = AddSkin("close", SIZE{10, 10});
    auto dlg = LoadPlaced("<dlg><imgbtn id=\"1\" pos=\"0,0\" skin=\"close\" sub=\"2\"/></dlg>", nullptr, 10, 10);
    CBkWindow* button = dlg->FindChildById(1);
    EXPECT_TRUE(button->NeedsRedrawOnStateChange());
    const uint32_t H = StateHover, P = StatePushDown, D = StateDisabled;
    const struct {
        uint32_t state;
        int32_t frame;
    } cases[] = {{0, 0}, {H, 1}, {H | P, 2}, {P, 0} /* pressed, moved off */, {D | H, 3}, {D | H | P, 3}};
    Canvas canvas(10, 10);
    for (const auto& c : cases) {
        button->ModifyState(c.state, ~c.state);
        skin->states.clear();
        button->RedrawRegion(canvas.Dc(), nullptr);
        EXPECT_EQ(std::vector<int32_t>{c.frame}, skin->states) << "state " << c.state;
        EXPECT_EQ(Dib(RecordingSkin::kFrameColours[c.frame]), canvas.At(3, 3));
    }
    button->ModifyState(H, ~H);
    dlg->ModifyState(D, 0);
    skin->states.clear();
    button->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(std::vector<int32_t>{3}, skin->states);
}
