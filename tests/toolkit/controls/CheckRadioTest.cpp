// "check" and "radio": toggling on release, radio groups, measuring and the
// look of the box.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/controls/BkRadioBox.h"

using namespace controls_test;

TEST(CheckBox, ReleaseTogglesTheCheckedState)
{
    CBkCheckBox check;
    EXPECT_FALSE(check.IsChecked());
    EXPECT_TRUE(Send(&check, WM_LBUTTONUP, 0, Point(1, 1)));
    EXPECT_TRUE(check.IsChecked());
    Send(&check, WM_LBUTTONDOWN, 0, Point(1, 1));  // a press alone changes nothing
    EXPECT_TRUE(check.IsChecked());
    Send(&check, WM_LBUTTONUP, 0, Point(1, 1));
    EXPECT_FALSE(check.IsChecked());
    EXPECT_TRUE(check.NeedsRedrawOnStateChange());
}

TEST(CheckBox, ToggleAsksTheViewToRedrawTheBox)
{
    // Through the view's dirty region: a bare InvalidateRect on the host
    // would repaint an area the view does not redraw.
    HostWindow host;
    auto dlg = LoadPlaced("<dlg><check id=\"2\" pos=\"10,10,80,30\">x</check></dlg>", host.Hwnd(), 200, 100);
    CBkWindow* check = dlg->FindChildById(2);
    Send(check, WM_LBUTTONUP, 0, Point(12, 12));
    ASSERT_EQ(1u, host.invalidated.size());
    const RECT& r = check->Rect();
    EXPECT_EQ(r.left, host.invalidated[0].left);
    EXPECT_EQ(r.bottom, host.invalidated[0].bottom);
}

TEST(CheckBox, MeasuresItsTextPlusTheBox)
{
    auto dlg = LoadPlaced("<dlg><text id=\"1\" pos=\"0,0\">Label</text><check id=\"2\" pos=\"0,0\">Label</check>"
                          "<check id=\"3\" pos=\"0,0\"/></dlg>",
                          nullptr, 200, 100);
    const RECT& text = dlg->FindChildById(1)->Rect();
    const RECT& check = dlg->FindChildById(2)->Rect();
    EXPECT_EQ(text.right - text.left + 17, check.right - check.left);
    EXPECT_EQ(std::max<LONG>(13, text.bottom - text.top), check.bottom - check.top);
    element_test::ExpectRect(dlg->FindChildById(3)->Rect(), 0, 0, 17, 13, "empty check");
}

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

TEST(CheckBox, BoxIsDrawnAtTheLeftAndTheCheckShows)
{
    std::vector<std::vector<uint32_t>> boxes;
    for (uint32_t state : {0u, static_cast<uint32_t>(StateChecked)}) {
        CBkCheckBox check;
        check.SetRect(RECT{0, 0, 60, 13});
        check.ModifyState(state, 0);
        Canvas canvas(60, 13);
        check.RedrawRegion(canvas.Dc(), nullptr);
        EXPECT_GT(canvas.Changed(0, 0, 13, 13), 0) << state;
        EXPECT_EQ(0, canvas.Changed(13, 0, 60, 13)) << "no text, nothing right of the box";
        boxes.push_back(BoxPixels(canvas));
    }
    EXPECT_NE(boxes[0], boxes[1]);
}

TEST(CheckBox, ClassicVariantsAllLookDifferent)
{
    const uint32_t states[] = {0, StateHover, StateHover | StatePushDown, StateDisabled, StateChecked};
    for (bool radio : {false, true}) {
        std::vector<std::vector<uint32_t>> boxes;
        for (uint32_t state : states) {
            Canvas canvas(13, 13);
            DrawClassicCheckBox(canvas.Dc(), RECT{0, 0, 13, 13},
                                CheckBoxClassicLook(state, (state & StateDisabled) != 0), radio);
            boxes.push_back(BoxPixels(canvas));
        }
        for (size_t a = 0; a < boxes.size(); ++a)
            for (size_t b = a + 1; b < boxes.size(); ++b)
                EXPECT_NE(boxes[a], boxes[b]) << radio << ": " << states[a] << " vs " << states[b];
    }
}

TEST(CheckBox, TextStartsSeventeenPixelsIn)
{
    CBkCheckBox check;
    check.SetAttribute("crtext", "FFFFFF", true);
    check.SetText(L"WWWW");
    check.SetRect(RECT{0, 0, 80, 20});
    Canvas canvas(80, 20);
    check.RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0, canvas.Count(13, 0, 17, 20, DibOf("FFFFFF")));
    EXPECT_GT(canvas.Count(17, 0, 80, 20, DibOf("FFFFFF")), 0);
}

TEST(RadioBox, ReleaseChecksItAndClearsTheRestOfItsGroup)
{
    auto dlg = LoadPlaced("<dlg><radio id=\"1\" group=\"a\"/><radio id=\"2\" group=\"a\"/>"
                          "<radio id=\"3\" group=\"b\"/></dlg>",
                          nullptr, 100, 100);
    CBkWindow* one = dlg->FindChildById(1);
    CBkWindow* two = dlg->FindChildById(2);
    CBkWindow* other = dlg->FindChildById(3);
    Send(other, WM_LBUTTONUP);
    Send(one, WM_LBUTTONUP);
    EXPECT_TRUE(one->State() & StateChecked);
    Send(one, WM_LBUTTONUP);  // a second release keeps it checked
    EXPECT_TRUE(one->State() & StateChecked);
    Send(two, WM_LBUTTONUP);
    EXPECT_FALSE(one->State() & StateChecked);
    EXPECT_TRUE(two->State() & StateChecked);
    EXPECT_TRUE(other->State() & StateChecked);  // another group is left alone
}

TEST(RadioBox, DestructionLeavesTheGroup)
{
    ElementHandle kept = 0;
    {
        CBkRadioBox gone;
        gone.SetAttribute("group", "\xE7\xBB\x84", true);
        CBkRadioBox stays;
        stays.SetAttribute("group", "\xE7\xBB\x84", true);
        kept = stays.Handle();
        EXPECT_EQ(2u, ElementRegistry::Instance().GroupMembers(L"\u7EC4").size());
        // Joining another group leaves the first.
        stays.SetAttribute("group", "other", true);
        EXPECT_EQ(1u, ElementRegistry::Instance().GroupMembers(L"\u7EC4").size());
        EXPECT_EQ(std::vector<ElementHandle>{kept}, ElementRegistry::Instance().GroupMembers(L"other"));
    }
    EXPECT_TRUE(ElementRegistry::Instance().GroupMembers(L"\u7EC4").empty());
    EXPECT_TRUE(ElementRegistry::Instance().GroupMembers(L"other").empty());
}

TEST(RadioBox, DrawsARadioButtonNotACheckBox)
{
    Canvas radioCanvas(13, 13), checkCanvas(13, 13);
    CBkRadioBox radio;
    CBkCheckBox check;
    radio.SetRect(RECT{0, 0, 13, 13});
    check.SetRect(RECT{0, 0, 13, 13});
    radio.RedrawRegion(radioCanvas.Dc(), nullptr);
    check.RedrawRegion(checkCanvas.Dc(), nullptr);
    EXPECT_GT(radioCanvas.Changed(0, 0, 13, 13), 0);
    // Round: the corner stays untouched where the square box has its frame.
    EXPECT_EQ(kBlank, radioCanvas.At(0, 0));
    EXPECT_NE(kBlank, checkCanvas.At(0, 0));
}
