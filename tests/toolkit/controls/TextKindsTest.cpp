// "text", "link", "button", "vtext", "icon", "richtext" and "memimage".
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/controls/BkButton.h"
#include "toolkit/controls/BkIconWnd.h"
#include "toolkit/controls/BkLink.h"
#include "toolkit/controls/BkMemoryImage.h"
#include "toolkit/controls/BkRichText.h"
#include "toolkit/controls/BkStatic.h"
#include "toolkit/controls/BkVStatic.h"

using namespace controls_test;

namespace {
// Rows of the box that hold any pixel of the colour.
std::pair<int, int> InkRows(const Canvas& canvas, int w, int h, uint32_t dib)
{
    int first = -1, last = -1;
    for (int y = 0; y < h; ++y) {
        if (canvas.Count(0, y, w, y + 1, dib) > 0) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    return {first, last};
}
}  // namespace

TEST(TextKinds, OnlyTheButtonAlwaysRepaintsOnStateChanges)
{
    CBkStatic text;
    CBkLink link;
    CBkButton button;
    EXPECT_FALSE(text.NeedsRedrawOnStateChange());
    EXPECT_FALSE(link.NeedsRedrawOnStateChange());
    EXPECT_TRUE(button.NeedsRedrawOnStateChange());
    // A hover colour makes any of them repaint, as for the base.
    link.SetAttribute("class", "nosuchstyle", true);
    link.Style().crhover = 0xFF0000;
    EXPECT_TRUE(link.NeedsRedrawOnStateChange());
}

TEST(TextKinds, TextLinkAndButtonPaintAlike)
{
    CBkStatic text;
    CBkLink link;
    CBkButton button;
    std::vector<std::vector<uint32_t>> rows;
    for (CBkWindow* e : std::initializer_list<CBkWindow*>{&text, &link, &button}) {
        e->SetAttribute("crtext", "FFFFFF", true);
        e->SetAttribute("crbg", "000080", true);
        e->SetText(L"Same");
        e->SetRect(RECT{0, 0, 60, 20});
        Canvas canvas(60, 20);
        e->RedrawRegion(canvas.Dc(), nullptr);
        EXPECT_GT(canvas.Count(0, 0, 60, 20, DibOf("FFFFFF")), 0);
        rows.push_back(canvas.Row(10));
    }
    EXPECT_EQ(rows[0], rows[1]);
    EXPECT_EQ(rows[0], rows[2]);
}

TEST(VStatic, WrapsToTheWidthAndCentresVertically)
{
    CBkVStatic vtext;
    vtext.SetAttribute("crtext", "FFFFFF", true);
    vtext.SetText(L"one two three four five six");
    vtext.SetRect(RECT{0, 0, 60, 120});
    Canvas canvas(60, 120);
    vtext.RedrawRegion(canvas.Dc(), nullptr);
    auto rows = InkRows(canvas, 60, 120, DibOf("FFFFFF"));
    ASSERT_GE(rows.first, 0);
    EXPECT_GT(rows.second - rows.first, 20) << "several lines";
    int above = rows.first, below = 119 - rows.second;
    EXPECT_LE(std::abs(above - below), 8);
}

TEST(VStatic, StateChoosesTheTextColourAndTheHoverFont)
{
    // Ink rows of one word in the colour the state should give it.
    auto inkHeight = [](uint32_t state, const char* colour) {
        CBkVStatic vtext;
        vtext.SetAttribute("crtext", "FFFFFF", true);
        vtext.Style().SetAttribute("crhover", "FF0000", true);
        vtext.Style().SetAttribute("crdisabled", "00FF00", true);
        vtext.Style().SetAttribute("hoverfont", "0C00", true);  // 12 pixels taller
        vtext.SetText(L"Hg");
        vtext.SetRect(RECT{0, 0, 80, 80});
        vtext.ModifyState(state, 0);
        Canvas canvas(80, 80);
        vtext.RedrawRegion(canvas.Dc(), nullptr);
        auto rows = InkRows(canvas, 80, 80, DibOf(colour));
        return rows.first < 0 ? 0 : rows.second - rows.first + 1;
    };
    int normal = inkHeight(0, "FFFFFF");
    ASSERT_GT(normal, 0);
    EXPECT_EQ(0, inkHeight(0, "FF0000"));
    EXPECT_GT(inkHeight(StateHover, "FF0000"), normal + 6) << "hover colour in the hover font";
    EXPECT_EQ(0, inkHeight(StateHover, "FFFFFF"));
    // Disabled wins over the mouse: its colour, the normal font.
    EXPECT_EQ(normal, inkHeight(StateHover | StateDisabled, "00FF00"));
    EXPECT_EQ(0, inkHeight(StateHover | StateDisabled, "FF0000"));
}

TEST(IconElement, SystemIconIsDrawnAtItsSize)
{
    auto dlg = LoadPlaced("<dlg><icon id=\"1\" pos=\"4,4\" oem=\"1\" src=\"32512\" size=\"32\"/></dlg>", nullptr,
                          64, 64);
    auto* icon = static_cast<CBkIconWnd*>(dlg->FindChildById(1));
    element_test::ExpectRect(icon->Rect(), 4, 4, 36, 36, "icon");
    Canvas canvas(64, 64);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_GT(canvas.Changed(4, 4, 36, 36), 50);
    EXPECT_EQ(0, canvas.Changed(36, 0, 64, 64));
}

TEST(IconElement, ChangedSourceIsLoadedAgainAtTheNextPaint)
{
    CBkIconWnd icon;
    icon.SetAttribute("oem", "1", true);
    icon.SetAttribute("size", "16", true);
    icon.SetAttribute("src", "32512", true);
    HICON first = icon.CurrentIcon();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, icon.CurrentIcon());  // kept while nothing changes
    EXPECT_EQ(1, icon.SetAttribute("src", "1", false));
    EXPECT_EQ(nullptr, icon.CurrentIcon());  // no such system icon
    icon.SetAttribute("src", "32516", false);
    EXPECT_NE(nullptr, icon.CurrentIcon());
}

TEST(IconElement, MissingIconsDrawNothing)
{
    for (const char* src : {"0", "-4", "70000", "4321"}) {
        CBkIconWnd icon;
        icon.SetAttribute("src", src, true);  // a resource of the test program
        icon.SetAttribute("size", "16", true);
        icon.SetRect(RECT{0, 0, 16, 16});
        Canvas canvas(16, 16);
        EXPECT_TRUE(icon.RedrawRegion(canvas.Dc(), nullptr));
        EXPECT_EQ(0, canvas.Changed(0, 0, 16, 16)) << src;
    }
}

TEST(RichText, ColouredRunsAndLinkStylesPaint)
{
    auto dlg = LoadPlaced("<dlg><richtext id=\"1\" pos=\"0,0,200,60\" crtext=\"FFFFFF\">plain&#32;"
                          "<c color=\"FF0000\">red</c><br/><b>bold</b></richtext></dlg>",
                          nullptr, 200, 60);
    Canvas canvas(200, 60);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    uint32_t white = DibOf("FFFFFF"), red = DibOf("FF0000");
    EXPECT_GT(canvas.Count(0, 0, 200, 60, red), 0);
    auto whiteRows = InkRows(canvas, 200, 60, white);
    auto redRows = InkRows(canvas, 200, 60, red);
    EXPECT_GT(whiteRows.second, redRows.second) << "the bold word sits on the second line";
}

TEST(RichText, ReleaseOnALinkNotifiesItsId)
{
    HostWindow host;
    auto dlg = LoadPlaced("<dlg><richtext id=\"5\" pos=\"10,10,300,60\">go&#32;<a id=\"77\">WWWWWWWW</a></richtext></dlg>",
                          host.Hwnd(), 400, 100);
    auto* rich = static_cast<CBkRichText*>(dlg->FindChildById(5));
    std::vector<RichPiece> pieces = rich->Layout();
    ASSERT_EQ(2u, pieces.size());
    int linkX = 10 + (pieces[1].rect.left + pieces[1].rect.right) / 2;
    int linkY = 10 + pieces[1].rect.bottom / 2;
    EXPECT_EQ(77, rich->LinkAt(linkX, linkY));

    Send(rich, WM_LBUTTONUP, 0, Point(12, linkY));  // on the plain word
    EXPECT_TRUE(host.notices.empty());
    Send(rich, WM_LBUTTONUP, 0, Point(linkX, linkY));
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(static_cast<UINT>(NotifyClick), host.notices[0].code);
    EXPECT_EQ(77u, host.notices[0].itemId);
    EXPECT_EQ("richtext", host.notices[0].itemClass);
}

TEST(MemoryImage, ImageAtTheAddressIsDrawnAndMeasured)
{
    uint32_t pixels[6] = {0x0000FF, 0x0000FF, 0x0000FF, 0x00FF00, 0x00FF00, 0x00FF00};
    BkMemoryBitmap image;
    image.width = 3;
    image.height = 2;
    image.pixels = pixels;
    char address[40];
    snprintf(address, sizeof(address), "%llu", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&image)));
    auto dlg = LoadPlaced(std::string("<dlg><memimage id=\"1\" pos=\"1,1\" mempointer=\"") + address + "\"/></dlg>",
                          nullptr, 10, 10);
    CBkWindow* mem = dlg->FindChildById(1);
    element_test::ExpectRect(mem->Rect(), 1, 1, 4, 3, "memimage");
    Canvas canvas(10, 10);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x0000FFu, canvas.At(1, 1));  // stored blue first, like the canvas
    EXPECT_EQ(0x00FF00u, canvas.At(3, 2));
    EXPECT_EQ(kBlank, canvas.At(4, 1));
}

TEST(MemoryImage, UnusableImagesShowNothing)
{
    BkMemoryBitmap empty;  // no pixels
    CBkMemoryImage mem;
    mem.SetMemoryImage(&empty);
    mem.SetRect(RECT{0, 0, 8, 8});
    Canvas canvas(8, 8);
    EXPECT_TRUE(mem.RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(0, canvas.Changed(0, 0, 8, 8));
    EXPECT_EQ(1, mem.SetAttribute("mempointer", "garbage", false));
    EXPECT_EQ(nullptr, mem.MemoryImage());
}
