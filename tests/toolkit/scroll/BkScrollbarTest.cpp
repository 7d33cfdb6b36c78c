#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "../MemoryCanvas.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/scroll/BkScrollbar.h"
#include "toolkit/skins/SkinPool.h"

namespace {

using Canvas = pixel_test::MemoryCanvas;

// The bar finds its part skins by name; nothing here is painted.
class NoSkins : public IElementSkins {
public:
    bool Draw(HDC, const std::string&, const RECT&, uint32_t) override { return true; }
    bool DependsOnState(const std::string&) override { return true; }
};

class RecordingOwner : public IScrollbarOwner {
public:
    void OnScrollbarPos(CBkScrollbar*, int32_t pos) override { positions.push_back(pos); }
    void OnScrollbarRedraw(CBkScrollbar*) override { ++redraws; }
    std::vector<int32_t> positions;
    int redraws = 0;
};

class ScrollbarElement : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetElementSkins(&skins);
        ASSERT_TRUE(StylePool::Instance().LoadDocument(
            "<style><class name=sbar uporleft=up downorright=dn thumb=th rail=rail bkgd=bg/></style>"));
    }
    void TearDown() override
    {
        SetElementSkins(nullptr);
        StylePool::Instance().Clear();
    }

    // A bar with exactly the given maximum, painting through the fake skins.
    void Configure(CBkScrollbar& bar, RECT r, int32_t max)
    {
        bar.SetSkinClass("sbar");
        bar.SetBarRect(r.left, r.top, r.right, r.bottom);
        bar.SetReserved(0);
        bar.SetScrollRange(max);
        bar.SetOwner(&owner);
    }

    NoSkins skins;
    RecordingOwner owner;
};

TEST_F(ScrollbarElement, MessagesMoveThePositionTheOwnerHears)
{
    CBkScrollbar bar;
    Configure(bar, RECT{0, 0, 15, 300}, 2000);
    bar.SetPos(5000);
    EXPECT_EQ(std::vector<int32_t>({2000}), owner.positions);
    bar.SetPos(0);
    LRESULT result = -1;
    // The track is no part: the owner goes on with the press.
    EXPECT_TRUE(bar.ProcessMessage(nullptr, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 250), &result));
    EXPECT_TRUE(bar.Handled());
    EXPECT_EQ(544, bar.GetPos());
    bar.ProcessMessage(nullptr, WM_LBUTTONUP, 0, MAKELPARAM(7, 250), &result);
    EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerPage));
    const int redraws = owner.redraws;
    EXPECT_FALSE(bar.OnLButtonDown(POINT{40, 40}));  // beside the bar
    EXPECT_EQ(redraws, owner.redraws);
    EXPECT_EQ(std::vector<int32_t>({2000, 0, 544}), owner.positions);

    EXPECT_FALSE(bar.ProcessMessage(nullptr, WM_KEYDOWN, VK_DOWN, 0, &result));
}

TEST(ScrollbarSkins, TheProgramsOwnListScrollBar)
{
    ASSERT_TRUE(LoadSkins(100));
    ASSERT_TRUE(LoadStyles(101));
    SetElementSkins(&SkinPool::Instance());
    CBkScrollbar bar;
    bar.SetSkinClass("appPScrollBar");
    bar.SetBarRect(5, 0, 20, 200);
    bar.SetReserved(0);
    bar.SetScrollRange(200);
    Canvas c(25, 200);
    bar.Paint(c.Dc());
    // The track covers the whole bar and nothing beside it; the thumb (rows
    // 3 to 96) shows its cell's colour in the middle column.
    EXPECT_EQ(15 * 200, c.Changed(5, 0, 20, 200));
    EXPECT_EQ(0, c.ChangedOutside(RECT{5, 0, 20, 200}));
    EXPECT_EQ(0xF2F4F5u, c.At(12, 150));
    EXPECT_EQ(0xF2F4F5u, c.At(6, 50)) << "the thumb is narrower than the bar";
    const uint32_t cells[] = {0xC9D3D9, 0xA8B6BF, 0x8898A3};
    EXPECT_EQ(cells[0], c.At(12, 50));
    bar.OnMouseMove(POINT{12, 50});
    bar.Paint(c.Dc());
    EXPECT_EQ(cells[1], c.At(12, 50));
    bar.OnLButtonDown(POINT{12, 50});
    bar.Paint(c.Dc());
    EXPECT_EQ(cells[2], c.At(12, 50));
    bar.OnLButtonUp();
    SetElementSkins(nullptr);
    StylePool::Instance().Clear();
    SkinPool::Instance().Clear();
}

}  // namespace
