// "check" and "radio": toggling on release, radio groups, measuring and the
// look of the box.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/controls/BkRadioBox.h"

using namespace element_test;

namespace {
std::vector<uint32_t> BoxPixels(const Canvas& canvas)
{
    std::vector<uint32_t> box;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            box.push_back(canvas.At(x, y));
    return box;
}
}  // namespace

TEST(CheckBox, ReleaseTogglesAndAsksTheViewToRedrawTheBox)
{
    // Through the view's dirty region: a bare InvalidateRect on the host
    // would repaint an area the view does not redraw.
    HostWindow host;
    auto dlg = LoadPlaced("<dlg><check id=\"2\" pos=\"10,10,80,30\">x</check></dlg>", host.Hwnd(), 200, 100);
    auto* check = static_cast<CBkCheckBox*>(dlg->FindChildById(2));
    Send(check, WM_LBUTTONUP, 0, Point(12, 12));
    EXPECT_TRUE(check->IsChecked());
    ASSERT_EQ(1u, host.invalidated.size());
    EXPECT_EQ(check->Rect().left, host.invalidated[0].left);
    EXPECT_EQ(check->Rect().bottom, host.invalidated[0].bottom);
    Send(check, WM_LBUTTONDOWN, 0, Point(12, 12));  // a press alone changes nothing
    EXPECT_TRUE(check->IsChecked());
    Send(check, WM_LBUTTONUP, 0, Point(12, 12));
    EXPECT_FALSE(check->IsChecked());
}

TEST(CheckBox, BoxAtTheLeftTextSeventeenPixelsInAndEveryLookDiffers)
{
    CBkCheckBox check;
    check.SetAttribute("crtext", "FFFFFF", true);
    check.SetText(L"WWWW");
    check.SetRect(RECT{0, 0, 80, 13});
    Canvas canvas(80, 13);
    check.RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_GT(canvas.Changed(0, 0, 13, 13), 0);
    EXPECT_EQ(0, canvas.Changed(13, 0, 17, 13));
    EXPECT_GT(canvas.Count(17, 0, 80, 13, DibOf("FFFFFF")), 0);

    const uint32_t states[] = {0, StateHover, StateHover | StatePushDown, StateDisabled, StateChecked};
    for (bool radio : {false, true}) {
        std::vector<std::vector<uint32_t>> boxes;
        for (uint32_t state : states) {
            Canvas box(13, 13);
            DrawClassicCheckBox(box.Dc(), RECT{0, 0, 13, 13}, CheckBoxClassicLook(state, (state & StateDisabled) != 0),
                                radio);
            boxes.push_back(BoxPixels(box));
            // Round: the radio's corner stays untouched where the square box has its frame.
            EXPECT_EQ(radio, box.At(0, 0) == kBlank);
        }
        for (size_t a = 0; a < boxes.size(); ++a)
            for (size_t b = a + 1; b < boxes.size(); ++b)
                EXPECT_NE(boxes[a], boxes[b]) << radio << ": " << states[a] << " vs " << states[b];
    }
}

TEST(RadioBox, ReleaseChecksItAndClearsItsGroupWhichItLeavesWhenDestroyed)
{
    auto dlg = LoadPlaced("<dlg><radio id=\"1\" group=\"\xE7\xBB\x84\"/><radio id=\"2\" group=\"\xE7\xBB\x84\"/>"
                          "<radio id=\"3\" group=\"b\"/></dlg>",
                          nullptr, 100, 100);
    CBkWindow* one = dlg->FindChildById(1);
    CBkWindow* two = dlg->FindChildById(2);
    CBkWindow* other = dlg->FindChildById(3);
    Send(other, WM_LBUTTONUP);
    Send(one, WM_LBUTTONUP);
    Send(one, WM_LBUTTONUP);  // a second release keeps it checked
    EXPECT_TRUE(one->State() & StateChecked);
    Send(two, WM_LBUTTONUP);
    EXPECT_FALSE(one->State() & StateChecked);
    EXPECT_TRUE(two->State() & StateChecked);
    EXPECT_TRUE(other->State() & StateChecked);  // another group is left alone

    two->SetAttribute("group", "b", true);  // joining another group leaves the first
    EXPECT_EQ(std::vector<ElementHandle>{one->Handle()}, ElementRegistry::Instance().GroupMembers(L"\u7EC4"));
    dlg.reset();
    EXPECT_TRUE(ElementRegistry::Instance().GroupMembers(L"\u7EC4").empty());
    EXPECT_TRUE(ElementRegistry::Instance().GroupMembers(L"b").empty());
}
