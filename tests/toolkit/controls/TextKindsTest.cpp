// "text", "link", "button", "vtext", "icon", "richtext" and "memimage".
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkButton.h"
#include "toolkit/controls/BkIconWnd.h"
#include "toolkit/controls/BkLink.h"
#include "toolkit/controls/BkMemoryImage.h"
#include "toolkit/controls/BkRichText.h"
#include "toolkit/controls/BkStatic.h"
#include "toolkit/controls/BkVStatic.h"

using namespace element_test;

namespace {
// First and last row of the box holding any pixel of the colour, -1 for none.
std::pair<int, int> InkRows(const Canvas& canvas, uint32_t dib)
{
    int first = -1, last = -1;
    for (int y = 0; y < canvas.Height(); ++y) {
        if (canvas.Count(0, y, canvas.Width(), y + 1, dib) > 0)
            last = y, first = first < 0 ? y : first;
    }
    return {first, last};
}
}  // namespace

TEST(TextKinds, TextLinkAndButtonPaintAlikeAndOnlyTheButtonAlwaysRepaints)
{
    CBkStatic text;
    CBkLink link;
    CBkButton button;
    std::vector<std::vector<uint32_t>> rows;
    for (CBkWindow* e : std::initializer_list<CBkWindow*>{&text, &link, &button}) {
        EXPECT_EQ(e == &button, e->NeedsRedrawOnStateChange()) << e->GetClassName();
        e->SetAttribute("crtext", "FFFFFF", true);
        e->SetText(L"Same");
        e->SetRect(RECT{0, 0, 60, 20});
        Canvas canvas(60, 20);
        e->RedrawRegion(canvas.Dc(), nullptr);
        rows.push_back(canvas.Row(10));
    }
    EXPECT_NE(std::count(rows[0].begin(), rows[0].end(), DibOf("FFFFFF")), 0);
    EXPECT_EQ(rows[0], rows[1]);
    EXPECT_EQ(rows[0], rows[2]);
    link.Style().crhover = 0xFF0000;  // a hover colour makes any kind repaint
    EXPECT_TRUE(link.NeedsRedrawOnStateChange());
}

TEST(VStatic, WrapsCentresAndTakesTheStatesColourAndFont)
{
    // Ink height of the text in the colour the state should give it.
    auto ink = [](uint32_t state, const char* colour, const wchar_t* text, int* above = nullptr) {
        CBkVStatic vtext;
        vtext.SetAttribute("crtext", "FFFFFF", true);
        vtext.Style().SetAttribute("crhover", "FF0000", true);
        vtext.Style().SetAttribute("crdisabled", "00FF00", true);
        vtext.Style().SetAttribute("hoverfont", "0C00", true);  // 12 pixels taller
        vtext.SetText(text);
        vtext.SetRect(RECT{0, 0, 60, 120});
        vtext.ModifyState(state, 0);
        Canvas canvas(60, 120);
        vtext.RedrawRegion(canvas.Dc(), nullptr);
        auto rows = InkRows(canvas, DibOf(colour));
        if (above)
            *above = rows.first - (119 - rows.second);
        return rows.first < 0 ? 0 : rows.second - rows.first + 1;
    };
    int offCentre = 0;
    EXPECT_GT(ink(0, "FFFFFF", L"one two three four five six", &offCentre), 20) << "several lines";
    EXPECT_LE(std::abs(offCentre), 8);
    int normal = ink(0, "FFFFFF", L"Hg");
    EXPECT_EQ(0, ink(0, "FF0000", L"Hg"));
    EXPECT_GT(ink(StateHover, "FF0000", L"Hg"), normal + 6) << "hover colour in the hover font";
    EXPECT_EQ(normal, ink(StateHover | StateDisabled, "00FF00", L"Hg")) << "disabled wins, normal font";
}

TEST(IconElement, DrawnAtItsSizeReloadedWhenChangedAndMissingDrawsNothing)
{
    auto dlg = LoadPlaced("<dlg><icon id=\"1\" pos=\"4,4\" oem=\"1\" src=\"32512\" size=\"32\"/></dlg>", nullptr,
                          64, 64);
    auto* icon = static_cast<CBkIconWnd*>(dlg->FindChildById(1));
    element_test::ExpectRect(icon->Rect(), 4, 4, 36, 36, "icon");
    Canvas canvas(64, 64);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_GT(canvas.Changed(4, 4, 36, 36), 50);
    EXPECT_EQ(0, canvas.Changed(36, 0, 64, 64));

    HICON first = icon->CurrentIcon();
    EXPECT_EQ(first, icon->CurrentIcon());  // kept while nothing changes
    icon->SetAttribute("src", "32516", false);
    EXPECT_NE(nullptr, icon->CurrentIcon());
    EXPECT_NE(first, icon->CurrentIcon());
    for (const char* src : {"1", "-4", "70000", "4321"}) {  // no such system or program icon
        CBkIconWnd missing;
        missing.SetAttribute("src", src, true);
        missing.SetRect(RECT{0, 0, 16, 16});
        canvas.Clear();
        EXPECT_TRUE(missing.RedrawRegion(canvas.Dc(), nullptr));
        EXPECT_EQ(0, canvas.Changed(0, 0, 64, 64)) << src;
    }
}

TEST(RichText, PaintsItsRunsAndAReleaseOnALinkNotifiesItsId)
{
    HostWindow host;
    auto dlg = LoadPlaced("<dlg><richtext id=\"5\" pos=\"10,10,300,60\" crtext=\"FFFFFF\">go&#32;"
                          "<a id=\"77\">WWWWWWWW</a><br/><c color=\"FF0000\">red</c></richtext></dlg>",
                          host.Hwnd(), 400, 100);
    Canvas canvas(400, 100);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_LT(InkRows(canvas, DibOf("FFFFFF")).second, InkRows(canvas, DibOf("FF0000")).first)
        << "the red word on the second line";

    auto* rich = static_cast<CBkRichText*>(dlg->FindChildById(5));
    std::vector<RichPiece> pieces = rich->Layout();
    ASSERT_EQ(3u, pieces.size());
    int linkX = 10 + (pieces[1].rect.left + pieces[1].rect.right) / 2, linkY = 10 + pieces[1].rect.bottom / 2;
    Send(rich, WM_LBUTTONUP, 0, Point(12, linkY));  // on the plain word
    EXPECT_TRUE(host.notices.empty());
    Send(rich, WM_LBUTTONUP, 0, Point(linkX, linkY));
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(static_cast<UINT>(NotifyClick), host.notices[0].code);
    EXPECT_EQ(77u, host.notices[0].itemId);
    EXPECT_EQ("richtext", host.notices[0].itemClass);
}

TEST(MemoryImage, ImageAtTheAddressIsDrawnAndMeasuredAndUnusableOnesShowNothing)
{
    uint32_t pixels[6] = {0x0000FF, 0x0000FF, 0x0000FF, 0x00FF00, 0x00FF00, 0x00FF00};
    BkMemoryBitmap image;
    image.width = 3, image.height = 2, image.pixels = pixels;
    std::string address = std::to_string(reinterpret_cast<uintptr_t>(&image));
    auto dlg = LoadPlaced("<dlg><memimage id=\"1\" pos=\"1,1\" mempointer=\"" + address + "\"/></dlg>", nullptr, 10,
                          10);
    auto* mem = static_cast<CBkMemoryImage*>(dlg->FindChildById(1));
    element_test::ExpectRect(mem->Rect(), 1, 1, 4, 3, "memimage");
    Canvas canvas(10, 10);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x0000FFu, canvas.At(1, 1));  // stored blue first, like the canvas
    EXPECT_EQ(0x00FF00u, canvas.At(3, 2));
    EXPECT_EQ(kBlank, canvas.At(4, 1));

    BkMemoryBitmap empty;
    mem->SetMemoryImage(&empty);
    canvas.Clear();
    EXPECT_TRUE(mem->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(0, canvas.Changed(0, 0, 10, 10));
    EXPECT_EQ(1, mem->SetAttribute("mempointer", "garbage", false));
    EXPECT_EQ(nullptr, mem->MemoryImage());
}
