#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "../MemoryCanvas.h"
#include "FakeClock.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/scroll/AnimTrigger.h"
#include "toolkit/scroll/BkScrollbar.h"
#include "toolkit/skins/SkinPool.h"

namespace {

using scroll_test::FakeClock;
using Canvas = pixel_test::MemoryCanvas;
const uint32_t kBlank = Canvas::kBlank;

constexpr uint32_t kBackground = 0x202020;
constexpr uint32_t kRail = 0x909090;
// Part skins paint their base colour plus the state word, so a pixel tells
// both which skin drew it and with which state.
constexpr uint32_t kThumb = 0x00A000;
constexpr uint32_t kUp = 0xA00000;
constexpr uint32_t kDown = 0x0000A0;

class FillSkins : public IElementSkins {
public:
    bool Draw(HDC dc, const std::string& name, const RECT& rect, uint32_t state) override
    {
        uint32_t rgb = 0;
        if (name == "bg")
            rgb = kBackground;
        else if (name == "rail")
            rgb = kRail;
        else if (name == "th")
            rgb = kThumb + state;
        else if (name == "up")
            rgb = kUp + state;
        else if (name == "dn")
            rgb = kDown + state;
        else
            return false;
        draws.push_back(name);
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF)));
        FillRect(dc, &rect, brush);
        return true;
    }
    bool DependsOnState(const std::string&) override { return true; }
    std::vector<std::string> draws;
};

class RecordingOwner : public IScrollbarOwner {
public:
    void OnScrollbarPos(CBkScrollbar*, int32_t pos) override { positions.push_back(pos); }
    void OnScrollbarRedraw(CBkScrollbar*) override { ++redraws; }
    std::vector<int32_t> positions;
    int redraws = 0;
};

class Trigger : public AnimTrigger {
public:
    void RunningChanged(bool running) override { calls.push_back(running); }
    std::vector<bool> calls;
};

class ScrollbarElement : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetElementSkins(&skins);
        ASSERT_TRUE(StylePool::Instance().LoadDocument(
            "<style><class name=sbar uporleft=up downorright=dn thumb=th rail=rail bkgd=bg/></style>"));
        // The bar's animation takes the main trigger when it is made.
        SetMainAnimTrigger(&trigger);
    }
    void TearDown() override
    {
        SetMainAnimTrigger(nullptr);
        SetElementSkins(nullptr);
        StylePool::Instance().Clear();
    }

    // A bar with exactly the given maximum, painting through the fake skins.
    void Configure(CBkScrollbar& bar, bool horizontal, RECT r, int32_t max)
    {
        bar.SetSkinClass("sbar");
        bar.SetOrientation(horizontal);
        bar.SetBarRect(r.left, r.top, r.right, r.bottom);
        bar.SetReserved(0);
        bar.SetScrollRange(max);
        bar.SetOwner(&owner);
    }

    FillSkins skins;
    RecordingOwner owner;
    Trigger trigger;
};

TEST_F(ScrollbarElement, PaintsItsPartsThroughTheStyleSkinsInTheirStates)
{
    CBkScrollbar bar;
    Configure(bar, false, RECT{10, 10, 25, 110}, 0);
    Canvas c(40, 130);
    bar.Paint(c.Dc());
    EXPECT_EQ(std::vector<std::string>({"bg"}), skins.draws) << "without a range only the background";
    EXPECT_EQ(15 * 100, c.Changed(10, 10, 25, 110));
    EXPECT_EQ(0, c.ChangedOutside(RECT{10, 10, 25, 110}));

    bar.SetScrollRange(100);
    skins.draws.clear();
    bar.Paint(c.Dc());
    // Thumb 50 long: rows 13 to 56 at p = 0; the rail is never drawn.
    EXPECT_EQ(std::vector<std::string>({"bg", "th"}), skins.draws);
    EXPECT_EQ(kBackground, c.At(17, 12));
    EXPECT_EQ(kThumb, c.At(24, 56));
    EXPECT_EQ(kBackground, c.At(17, 57));
    const struct {
        void (*act)(CBkScrollbar&);
        uint32_t colour;
    } steps[] = {
        {[](CBkScrollbar& b) { b.OnMouseMove(POINT{17, 30}); }, kThumb + StateHover},
        {[](CBkScrollbar& b) { b.OnLButtonDown(POINT{17, 30}); }, kThumb + StatePushDown},
        {[](CBkScrollbar& b) { b.OnLButtonUp(); }, kThumb + StateHover},
        {[](CBkScrollbar& b) { b.OnMouseLeave(); }, kThumb},
    };
    for (const auto& s : steps) {
        s.act(bar);
        bar.Paint(c.Dc());
        EXPECT_EQ(pixel_test::Hex(s.colour), pixel_test::Hex(c.At(17, 30)));
    }

    CBkScrollbar across;
    Configure(across, true, RECT{0, 20, 300, 35}, 200);
    EXPECT_EQ(15, across.HorizontalThickness());
    Canvas h(320, 40);
    across.OnMouseMove(POINT{295, 25});
    skins.draws.clear();
    across.Paint(h.Dc());
    EXPECT_EQ(std::vector<std::string>({"bg", "up", "dn", "th"}), skins.draws);
    EXPECT_EQ(kUp, h.At(5, 25));
    EXPECT_EQ(kDown + StateHover, h.At(295, 25));
    EXPECT_EQ(kThumb, h.At(100, 25));
    EXPECT_EQ(0, h.ChangedOutside(RECT{0, 20, 300, 35}));
}

TEST_F(ScrollbarElement, MessagesMoveThePositionTheOwnerHearsAndTheWheelEasesOnTheMainTrigger)
{
    FakeClock clock(40000);
    CBkScrollbar bar;
    Configure(bar, false, RECT{0, 0, 15, 300}, 2000);
    bar.SetWheelStep(80);
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

    bar.ProcessMessage(nullptr, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0, &result);
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
    EXPECT_EQ(624, bar.Animation().Motion().Target());
    EXPECT_EQ(3u, owner.positions.size()) << "nothing moves before the first tick";
    clock.Advance(150);
    trigger.StepAll();
    EXPECT_EQ(588, bar.GetPos());
    clock.Advance(150);
    trigger.StepAll();
    EXPECT_EQ(624, bar.GetPos());
    EXPECT_EQ(0u, trigger.Count());
    const RECT thumb = bar.ThumbRect();  // a drag starts from the animated position
    ASSERT_TRUE(bar.OnLButtonDown(POINT{7, thumb.top + 1}));
    bar.OnMouseMove(POINT{7, thumb.top + 1});
    EXPECT_EQ(624, bar.GetPos());
    bar.OnLButtonUp();
    EXPECT_FALSE(bar.ProcessMessage(nullptr, WM_KEYDOWN, VK_DOWN, 0, &result));
}

TEST_F(ScrollbarElement, HeldArrowsAndDragsRunTheirTimersUntilReleasedOrDestroyed)
{
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 50, 60, 320, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, host);
    {
        CBkScrollbar bar;
        bar.SetContainer(host);
        Configure(bar, true, RECT{0, 0, 300, 15}, 200);
        ASSERT_TRUE(bar.OnLButtonDown(POINT{290, 7}));
        EXPECT_EQ(16, bar.GetPos());
        EXPECT_EQ(bar.Handle(), ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerSecondArrow));
        // The repeat reads the cursor in host coordinates.
        ASSERT_TRUE(SetCursorPos(50 + 290, 60 + 7));
        LRESULT result = -1;
        EXPECT_TRUE(bar.ProcessMessage(host, WM_TIMER, CBkScrollbar::kTimerSecondArrow, 0, &result));
        EXPECT_EQ(32, bar.GetPos());
        bar.OnTimer(20000, POINT{290, 7});  // not the bar's
        EXPECT_EQ(32, bar.GetPos());
        // On the track the repeat becomes a page press, backwards on a horizontal bar.
        ASSERT_TRUE(SetCursorPos(50 + 250, 60 + 7));
        bar.ProcessMessage(host, WM_TIMER, CBkScrollbar::kTimerSecondArrow, 0, &result);
        EXPECT_EQ(0, bar.GetPos());
        EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerSecondArrow));
        EXPECT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerPage));
        bar.OnLButtonUp();
        EXPECT_EQ(0u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerPage));
        EXPECT_FALSE(KillTimer(host, CBkScrollbar::kTimerPage)) << "the system timer is gone too";

        CBkScrollbar drag;
        drag.SetContainer(host);
        drag.SetTimerTarget(4242);
        Configure(drag, false, RECT{0, 0, 15, 100}, 100);
        ASSERT_TRUE(drag.OnLButtonDown(POINT{7, 10}));
        EXPECT_EQ(4242u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerDrag));
        drag.OnTimer(CBkScrollbar::kTimerDrag, POINT{7, 20});
        EXPECT_EQ(20, drag.GetPos());
        drag.OnLButtonUp();
        EXPECT_FALSE(drag.IsTimerRunning(CBkScrollbar::kTimerDrag));

        bar.OnLButtonDown(POINT{7, 7});  // destroyed while its timer runs
        ASSERT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerFirstArrow) || bar.IsTimerRunning(CBkScrollbar::kTimerPage));
    }
    EXPECT_EQ(0u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerFirstArrow));
    EXPECT_FALSE(KillTimer(host, CBkScrollbar::kTimerFirstArrow));
    DestroyWindow(host);
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
