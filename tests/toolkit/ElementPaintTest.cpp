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

using pixel_test::Near;

// Records skin draws; "known" and "stateful" fill their rect, others are unknown.
class FakeSkins : public IElementSkins {
public:
    bool Draw(HDC dc, const std::string& name, const RECT& rect, uint32_t state) override
    {
        lastRect = rect;
        lastState = state;
        if (name != "known" && name != "stateful")
            return false;
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(RGB(1, 2, 3)));
        FillRect(dc, &rect, brush);
        return true;
    }
    bool DependsOnState(const std::string& name) override { return name == "stateful"; }
    RECT lastRect = {};
    uint32_t lastState = 0;
};

class ElementPaint : public WithLeafFactory {
protected:
    void SetUp() override
    {
        WithLeafFactory::SetUp();
        ASSERT_TRUE(StylePool::Instance().LoadDocument(
            "<style><class name=\"hov\" crbg=\"FF0000\" crbghover=\"0000FF\"/>"
            "<class name=\"txt\" crtext=\"0000FF\" font=\"0404\" crdisabled=\"00FF00\" crhover=\"FF0000\"/>"
            "<class name=\"k\" skin=\"known\" crbg=\"FF0000\"/><class name=\"s\" skin=\"stateful\"/>"
            "<class name=\"u\" skin=\"nosuchskin\" crbg=\"FF0000\"/></style>"));
    }
    void TearDown() override
    {
        SetElementSkins(nullptr);
        WithLeafFactory::TearDown();
    }
    FakeSkins skins;
};

}  // namespace

TEST_F(ElementPaint, BackgroundFillsTheRectangleOnlyInTheHoverColourUnderTheMouse)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"hov\" pos=\"10,10,30,20\"/></dlg>");
    Place(root.get(), 0, 0, 60, 40);
    CBkWindow* e = root->FindChildById(1);
    Canvas canvas(60, 40);
    ScopedGdiObj<HRGN> elsewhere(CreateRectRgn(40, 0, 60, 40));
    EXPECT_FALSE(e->RedrawRegion(canvas.Dc(), elsewhere));
    EXPECT_EQ(0, canvas.Changed(0, 0, 60, 40));
    EXPECT_TRUE(e->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(Dib(0x0000FF), canvas.At(10, 10));
    EXPECT_EQ(Dib(0x0000FF), canvas.At(29, 19));
    EXPECT_EQ(200, canvas.Changed(0, 0, 60, 40));
    EXPECT_TRUE(e->NeedsRedrawOnStateChange());
    e->ModifyState(StateHover, 0);
    e->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(Dib(0xFF0000), canvas.At(15, 15));
    Leaf plain("leaf");
    EXPECT_FALSE(plain.NeedsRedrawOnStateChange());
}

TEST_F(ElementPaint, ContainerClipsChildrenPaintsThemInOrderAndSkipsHiddenOnes)
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
    ScopedGdiObj<HRGN> elsewhere(CreateRectRgn(50, 50, 60, 60));
    EXPECT_FALSE(root->RedrawRegion(canvas.Dc(), elsewhere));
    EXPECT_EQ(0, canvas.Changed(0, 0, 100, 100));
    EXPECT_TRUE(root->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(Dib(0x00FF00), canvas.At(5, 5));    // hidden child left out
    EXPECT_EQ(Dib(0x0000FF), canvas.At(45, 45));  // child inside the container
    EXPECT_EQ(kBlank, canvas.At(60, 60));         // clipped at the container's edge
    EXPECT_EQ(Dib(0xFFFFFF), canvas.At(22, 22));
    EXPECT_EQ(0u, canvas.At(27, 27));  // later children over earlier ones
}

TEST_F(ElementPaint, SkinReplacesTheBackgroundGetsTheStateAndAnUnknownOneDrawsNothing)
{
    SetElementSkins(&skins);
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"k\" pos=\"2,3,12,13\"/>"
                           "<leaf id=\"2\" class=\"u\" pos=\"2,13,12,20\"/></dlg>");
    Place(root.get(), 0, 0, 20, 20);
    CBkWindow* known = root->FindChildById(1);
    known->ModifyState(StateHover | StatePushDown, 0);
    Canvas canvas(20, 20);
    known->RedrawRegion(canvas.Dc(), nullptr);
    ExpectRect(skins.lastRect, 2, 3, 12, 13, "skin rect");
    EXPECT_EQ(static_cast<uint32_t>(StateHover | StatePushDown), skins.lastState);
    EXPECT_EQ(Dib(RGB(1, 2, 3)), canvas.At(5, 5));
    EXPECT_FALSE(known->NeedsRedrawOnStateChange());
    EXPECT_TRUE(root->FindChildById(2)->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(0, canvas.Changed(0, 13, 20, 20));

    Leaf stateful("leaf");
    stateful.SetAttribute("class", "s", true);
    EXPECT_TRUE(stateful.NeedsRedrawOnStateChange());
    SetElementSkins(nullptr);
    EXPECT_FALSE(stateful.NeedsRedrawOnStateChange());
}
