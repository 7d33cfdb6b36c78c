// The hover colour of an element's background, pixel by pixel; the rest of
// painting is what the end-to-end tests and the skin pictures show.
#include <gtest/gtest.h>

#include "ElementTestSupport.h"
#include "MemoryCanvas.h"
#include "platform/ScopedWin.h"
#include "toolkit/StylePool.h"

using namespace element_test;

namespace {

class ElementPaint : public WithLeafFactory {
protected:
    void SetUp() override
    {
        WithLeafFactory::SetUp();
        ASSERT_TRUE(StylePool::Instance().LoadDocument(
            "<style><class name=\"hov\" crbg=\"FF0000\" crbghover=\"0000FF\"/></style>"));
    }
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
