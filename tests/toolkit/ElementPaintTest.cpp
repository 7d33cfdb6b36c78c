// Painting of backgrounds, text and containers into a DIB section, checked
// pixel by pixel.
#include <gtest/gtest.h>

#include "ElementTestSupport.h"
#include "MemoryCanvas.h"
#include "platform/ScopedWin.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/StylePool.h"

using namespace element_test;

namespace {

using pixel_test::Dib;
using pixel_test::Near;
using Canvas = pixel_test::MemoryCanvas;
const uint32_t kBlank = Canvas::kBlank;

class ElementPaint : public WithLeafFactory {
protected:
    void SetUp() override
    {
        WithLeafFactory::SetUp();
        ASSERT_TRUE(StylePool::Instance().LoadDocument(
            "<style><class name=\"hov\" crbg=\"FF0000\" crbghover=\"0000FF\"/>"
            "<class name=\"txt\" crtext=\"0000FF\" font=\"0404\" crdisabled=\"00FF00\" crhover=\"FF0000\"/>"
            "</style>"));
    }
};

}  // namespace

TEST_F(ElementPaint, BackgroundColourFillsTheRectangleOnly)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" crbg=\"FF0000\" pos=\"10,10,30,20\"/></dlg>");
    Place(root.get(), 0, 0, 60, 40);
    Canvas canvas(60, 40);
    CBkWindow* e = root->FindChildById(1);
    EXPECT_TRUE(e->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(Dib(0x0000FF), canvas.At(10, 10));
    EXPECT_EQ(Dib(0x0000FF), canvas.At(29, 19));
    EXPECT_EQ(kBlank, canvas.At(30, 19));
    EXPECT_EQ(kBlank, canvas.At(9, 10));
    EXPECT_EQ(kBlank, canvas.At(10, 20));
}

TEST_F(ElementPaint, HoverBackgroundUnderTheMouse)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"hov\" pos=\"0,0,10,10\"/></dlg>");
    Place(root.get(), 0, 0, 20, 20);
    CBkWindow* e = root->FindChildById(1);
    EXPECT_TRUE(e->NeedsRedrawOnStateChange());
    Canvas canvas(20, 20);
    e->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(Dib(0x0000FF), canvas.At(5, 5));
    e->ModifyState(StateHover, 0);
    e->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(Dib(0xFF0000), canvas.At(5, 5));
}

TEST_F(ElementPaint, PlainStyleNeedsNoRedrawOnStateChange)
{
    Leaf e("leaf");
    EXPECT_FALSE(e.NeedsRedrawOnStateChange());
    e.SetAttribute("class", "txt", true);
    EXPECT_TRUE(e.NeedsRedrawOnStateChange());  // hover text colour
}

TEST_F(ElementPaint, RegionThatMissesTheElementPaintsNothing)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" crbg=\"FF0000\" pos=\"10,10,30,20\"/></dlg>");
    Place(root.get(), 0, 0, 60, 40);
    Canvas canvas(60, 40);
    ScopedGdiObj<HRGN> region(CreateRectRgn(40, 0, 60, 40));
    EXPECT_FALSE(root->FindChildById(1)->RedrawRegion(canvas.Dc(), region));
    uint32_t strongest = 0;
    EXPECT_EQ(0, canvas.Changed(0, 0, 60, 40, &strongest));
}

TEST_F(ElementPaint, TextInTheStyleColourInsideTheMargins)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"txt\" pos=\"4,4,-4,-4\">WWWW</leaf></dlg>");
    Place(root.get(), 0, 0, 120, 40);
    Canvas canvas(120, 40);
    CBkWindow* e = root->FindChildById(1);
    e->RedrawRegion(canvas.Dc(), nullptr);
    uint32_t strongest = 0;
    EXPECT_GT(canvas.Changed(4, 4, 116, 36, &strongest), 20);
    EXPECT_TRUE(Near(Dib(0xFF0000), strongest, 80)) << std::hex << strongest;
    EXPECT_EQ(0, canvas.Changed(0, 0, 120, 4, &strongest));
    EXPECT_EQ(0, canvas.Changed(0, 36, 120, 40, &strongest));
}

TEST_F(ElementPaint, DisabledColourBeatsHover)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\"><dlg id=\"2\" pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"txt\" pos=\"4,4,-4,-4\">WWWW</leaf>"
        "</dlg></dlg>");
    Place(root.get(), 0, 0, 120, 40);
    CBkWindow* e = root->FindChildById(1);
    uint32_t strongest = 0;
    {
        Canvas canvas(120, 40);
        e->ModifyState(StateHover, 0);
        e->RedrawRegion(canvas.Dc(), nullptr);
        canvas.Changed(0, 0, 120, 40, &strongest);
        EXPECT_TRUE(Near(Dib(0x0000FF), strongest, 80)) << std::hex << strongest;
    }
    {
        Canvas canvas(120, 40);
        root->FindChildById(2)->ModifyState(StateDisabled, 0);  // an ancestor is enough
        e->RedrawRegion(canvas.Dc(), nullptr);
        canvas.Changed(0, 0, 120, 40, &strongest);
        EXPECT_TRUE(Near(Dib(0x00FF00), strongest, 80)) << std::hex << strongest;
    }
}

TEST_F(ElementPaint, ContainerClipsChildrenAndSkipsHiddenOnes)
{
    auto root = LoadDialog(
        "<dlg crbg=\"00FF00\" pos=\"0,0,50,50\">"
        "<leaf id=\"1\" crbg=\"FF0000\" pos=\"40,40,80,80\"/>"
        "<leaf id=\"2\" crbg=\"0000FF\" pos=\"0,0,10,10\" show=\"0\"/>"
        "<leaf id=\"3\" crbg=\"FFFFFF\" pos=\"20,20,30,30\"/>"
        "<leaf id=\"4\" crbg=\"000000\" pos=\"25,25,35,35\"/>"
        "</dlg>");
    Place(root.get(), 0, 0, 100, 100);
    Canvas canvas(100, 100);
    EXPECT_TRUE(root->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(Dib(0x00FF00), canvas.At(5, 5));       // hidden child left out
    EXPECT_EQ(Dib(0x0000FF), canvas.At(45, 45));     // child inside the container
    EXPECT_EQ(kBlank, canvas.At(60, 60));            // clipped at the container's edge
    EXPECT_EQ(Dib(0xFFFFFF), canvas.At(22, 22));
    EXPECT_EQ(0u, canvas.At(27, 27));                // later children over earlier ones
}

TEST_F(ElementPaint, ContainerOutsideTheRegionPaintsNoChildren)
{
    auto root = LoadDialog("<dlg crbg=\"00FF00\" pos=\"0,0,20,20\"><leaf crbg=\"FF0000\" pos=\"0,0,10,10\"/></dlg>");
    Place(root.get(), 0, 0, 100, 100);
    Canvas canvas(100, 100);
    ScopedGdiObj<HRGN> region(CreateRectRgn(50, 50, 60, 60));
    EXPECT_FALSE(root->RedrawRegion(canvas.Dc(), region));
    EXPECT_EQ(kBlank, canvas.At(5, 5));
}

namespace {

// Records skin draws; "known" paints its rect in one colour, others are unknown.
class FakeSkins : public IElementSkins {
public:
    bool Draw(HDC dc, const std::string& name, const RECT& rect, uint32_t state) override
    {
        lastName = name;
        lastRect = rect;
        lastState = state;
        if (name != "known" && name != "stateful")
            return false;
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(RGB(1, 2, 3)));
        FillRect(dc, &rect, brush);
        return true;
    }
    bool DependsOnState(const std::string& name) override { return name == "stateful"; }
    std::string lastName;
    RECT lastRect = {};
    uint32_t lastState = 0;
};

class SkinnedPaint : public ElementPaint {
protected:
    void SetUp() override
    {
        ElementPaint::SetUp();
        SetElementSkins(&skins);
        ASSERT_TRUE(StylePool::Instance().LoadDocument(
            "<style><class name=\"k\" skin=\"known\" crbg=\"FF0000\"/><class name=\"s\" skin=\"stateful\"/>"
            "<class name=\"u\" skin=\"nosuchskin\" crbg=\"FF0000\"/></style>"));
    }
    void TearDown() override
    {
        SetElementSkins(nullptr);
        ElementPaint::TearDown();
    }
    FakeSkins skins;
};

}  // namespace

TEST_F(SkinnedPaint, SkinReplacesTheBackgroundColourAndGetsTheState)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"k\" pos=\"2,3,12,13\"/></dlg>");
    Place(root.get(), 0, 0, 20, 20);
    CBkWindow* e = root->FindChildById(1);
    e->ModifyState(StateHover | StatePushDown, 0);
    Canvas canvas(20, 20);
    e->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ("known", skins.lastName);
    ExpectRect(skins.lastRect, 2, 3, 12, 13, "skin rect");
    EXPECT_EQ(static_cast<uint32_t>(StateHover | StatePushDown), skins.lastState);
    EXPECT_EQ(Dib(RGB(1, 2, 3)), canvas.At(5, 5));
    EXPECT_FALSE(e->NeedsRedrawOnStateChange());
}

TEST_F(SkinnedPaint, UnknownSkinDrawsNothingAtAll)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"u\" pos=\"2,3,12,13\"/></dlg>");
    Place(root.get(), 0, 0, 20, 20);
    Canvas canvas(20, 20);
    EXPECT_TRUE(root->FindChildById(1)->RedrawRegion(canvas.Dc(), nullptr));
    uint32_t strongest = 0;
    EXPECT_EQ(0, canvas.Changed(0, 0, 20, 20, &strongest));
}

TEST_F(SkinnedPaint, StatefulSkinAsksForRedraws)
{
    Leaf e("leaf");
    e.SetAttribute("class", "s", true);
    EXPECT_TRUE(e.NeedsRedrawOnStateChange());
    SetElementSkins(nullptr);
    EXPECT_FALSE(e.NeedsRedrawOnStateChange());
}

TEST_F(ElementPaint, ChildWithoutColoursPaintsInTheContainersColour)
{
    auto root = LoadDialog(
        "<dlg crtext=\"00FF00\" pos=\"0,0,-0,-0\"><leaf id=\"1\" pos=\"4,4,-4,-4\">WWWW</leaf>"
        "<leaf id=\"2\" crtext=\"FF0000\" pos=\"4,44,-4,-4\">WWWW</leaf></dlg>");
    Place(root.get(), 0, 0, 120, 80);
    Canvas canvas(120, 80);
    ASSERT_TRUE(root->RedrawRegion(canvas.Dc(), nullptr));
    uint32_t strongest = 0;
    ASSERT_GT(canvas.Changed(0, 0, 120, 40, &strongest), 20);
    EXPECT_TRUE(Near(Dib(0x00FF00), strongest, 80)) << std::hex << strongest;
    ASSERT_GT(canvas.Changed(0, 44, 120, 80, &strongest), 20);
    EXPECT_TRUE(Near(Dib(0x0000FF), strongest, 80)) << std::hex << strongest;
    // The container's colour does not outlive its painting.
    EXPECT_NE(RGB(0, 255, 0), GetTextColor(canvas.Dc()));
}
