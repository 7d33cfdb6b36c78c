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
