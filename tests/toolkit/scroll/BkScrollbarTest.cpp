#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "../SkinTestSupport.h"
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
using skin_test::Canvas;
using skin_test::kBlank;

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

TEST_F(ScrollbarElement, WithoutRangeOnlyTheBackgroundIsDrawn)
{
    CBkScrollbar bar;
    Configure(bar, false, RECT{10, 10, 25, 110}, 0);
    Canvas c(40, 130);
    ASSERT_TRUE(c.Ok());
    bar.Paint(c.Dc());
    EXPECT_EQ(std::vector<std::string>({"bg"}), skins.draws);
    EXPECT_EQ(15 * 100, c.Changed(10, 10, 25, 110));
    EXPECT_EQ(kBackground, c.At(17, 60));
    EXPECT_EQ(0, c.ChangedOutside(RECT{10, 10, 25, 110}));
}

TEST_F(ScrollbarElement, ThumbOverBackgroundWithItsHoverAndPushedStates)
{
    CBkScrollbar bar;
    Configure(bar, false, RECT{10, 10, 25, 110}, 100);
    Canvas c(40, 130);
    bar.Paint(c.Dc());
    // Thumb 50 long: rows 13 to 56 at p = 0; the rail is never drawn.
    EXPECT_EQ(std::vector<std::string>({"bg", "th"}), skins.draws);
    EXPECT_EQ(kBackground, c.At(17, 12));
    EXPECT_EQ(kThumb, c.At(17, 13));
    EXPECT_EQ(kThumb, c.At(24, 56));
    EXPECT_EQ(kBackground, c.At(17, 57));
    EXPECT_EQ(kBlank, c.At(25, 30));

    bar.OnMouseMove(POINT{17, 30});
    bar.Paint(c.Dc());
    EXPECT_EQ(kThumb + StateHover, c.At(17, 30));
    EXPECT_TRUE(bar.IsOnPart());

    EXPECT_TRUE(bar.OnLButtonDown(POINT{17, 30}));
    bar.Paint(c.Dc());
    EXPECT_EQ(kThumb + StatePushDown, c.At(17, 30));
    bar.OnLButtonUp();
    bar.Paint(c.Dc());
    EXPECT_EQ(kThumb + StateHover, c.At(17, 30));
    bar.OnMouseLeave();
    bar.Paint(c.Dc());
    EXPECT_EQ(kThumb, c.At(17, 30));

    // At the end of the range the thumb sits at T + 53 .. T + 97.
    bar.SetPos(100);
    c.Fill(kBlank);
    bar.Paint(c.Dc());
    EXPECT_EQ(kBackground, c.At(17, 62));
    EXPECT_EQ(kThumb, c.At(17, 63));
    EXPECT_EQ(kThumb, c.At(17, 106));
    EXPECT_EQ(kBackground, c.At(17, 107));
}

TEST_F(ScrollbarElement, HorizontalBarDrawsItsArrows)
{
    CBkScrollbar bar;
    Configure(bar, true, RECT{0, 20, 300, 35}, 200);
    EXPECT_EQ(0, bar.VerticalThickness());
    EXPECT_EQ(15, bar.HorizontalThickness());
    Canvas c(320, 40);
    bar.OnMouseMove(POINT{295, 25});
    bar.Paint(c.Dc());
    EXPECT_EQ(std::vector<std::string>({"bg", "up", "dn", "th"}), skins.draws);
    EXPECT_EQ(kUp, c.At(5, 25));
    EXPECT_EQ(kDown + StateHover, c.At(295, 25));
    EXPECT_EQ(kThumb, c.At(100, 25));
    EXPECT_EQ(kBackground, c.At(200, 25));
    EXPECT_EQ(kBlank, c.At(100, 19));
    EXPECT_EQ(kBlank, c.At(100, 35));
}

TEST_F(ScrollbarElement, RedrawRegionPaintsOnlyWhereAsked)
{
    CBkScrollbar bar;
    Configure(bar, false, RECT{10, 10, 25, 110}, 100);
    Canvas c(40, 130);
    ScopedGdiObj<HRGN> elsewhere(CreateRectRgn(30, 0, 40, 10));
    EXPECT_FALSE(bar.RedrawRegion(c.Dc(), elsewhere));
    EXPECT_TRUE(skins.draws.empty());
    ScopedGdiObj<HRGN> over(CreateRectRgn(0, 0, 20, 20));
    EXPECT_TRUE(bar.RedrawRegion(c.Dc(), over));
    EXPECT_EQ(kThumb, c.At(17, 40));
    const RECT element = bar.Rect(), barRect = bar.BarRect();
    EXPECT_TRUE(EqualRect(&element, &barRect));
}

TEST_F(ScrollbarElement, TheOwnerHearsOfEveryPositionChange)
{
    CBkScrollbar bar;
    Configure(bar, false, RECT{0, 0, 15, 300}, 2000);
    bar.SetPos(5000);
    EXPECT_EQ(std::vector<int32_t>({2000}), owner.positions);
    EXPECT_EQ(2000, bar.GetPos());
    EXPECT_EQ(2000, bar.GetScrollMax());
    bar.SetPos(1000);
    const RECT thumb = bar.ThumbRect();
    // Below the thumb pages towards the end, above it towards the start;
    // the track is no part, so the owner goes on with the press.
    EXPECT_FALSE(bar.OnLButtonDown(POINT{7, thumb.bottom + 2}));
    bar.OnLButtonUp();
    EXPECT_FALSE(bar.OnLButtonDown(POINT{7, 0}));
    bar.OnLButtonUp();
    EXPECT_EQ(std::vector<int32_t>({2000, 1000, 1544, 1000}), owner.positions);
    const int redraws = owner.redraws;
    EXPECT_FALSE(bar.OnLButtonDown(POINT{40, 40}));
    EXPECT_EQ(4u, owner.positions.size());
    EXPECT_EQ(redraws, owner.redraws);
}

TEST_F(ScrollbarElement, AWheelNotchEasesOnTheMainTrigger)
{
    FakeClock clock(40000);
    CBkScrollbar bar;
    Configure(bar, false, RECT{0, 0, 15, 300}, 1000);
    bar.SetWheelStep(80);
    bar.OnMouseWheel(-WHEEL_DELTA);
    EXPECT_EQ(std::vector<bool>({true}), trigger.calls);
    EXPECT_TRUE(trigger.Contains(&bar.Animation()));
    EXPECT_TRUE(owner.positions.empty());

    clock.Advance(150);
    trigger.StepAll();
    EXPECT_EQ(44, bar.GetPos());
    clock.Advance(150);
    trigger.StepAll();
    EXPECT_EQ(80, bar.GetPos());
    EXPECT_EQ(std::vector<int32_t>({44, 80}), owner.positions);
    EXPECT_EQ(0u, trigger.Count());

    // A drag after the animation starts from the animated position.
    bar.OnMouseWheel(-WHEEL_DELTA);
    clock.Advance(300);
    trigger.StepAll();
    ASSERT_EQ(160, bar.GetPos());
    const RECT thumb = bar.ThumbRect();
    ASSERT_TRUE(bar.OnLButtonDown(POINT{7, thumb.top + 1}));
    bar.OnMouseMove(POINT{7, thumb.top + 1});
    EXPECT_EQ(160, bar.GetPos());
}

class HostWindow {
public:
    HostWindow()
        : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~HostWindow()
    {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST_F(ScrollbarElement, HeldArrowRepeatsThroughItsTimer)
{
    HostWindow host;
    ASSERT_NE(nullptr, host.Get());
    CBkScrollbar bar;
    bar.SetContainer(host.Get());
    Configure(bar, true, RECT{0, 0, 300, 15}, 200);
    const POINT onRight{290, 7};
    EXPECT_TRUE(bar.OnLButtonDown(onRight));
    EXPECT_EQ(16, bar.GetPos());
    EXPECT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerSecondArrow));
    EXPECT_EQ(bar.Handle(), ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerSecondArrow));
    EXPECT_EQ(StatePushDown, bar.PartState(ScrollbarPart::Second) & StatePushDown);
    for (int i = 0; i < 20; ++i)
        bar.OnTimer(CBkScrollbar::kTimerSecondArrow, onRight);
    EXPECT_EQ(200, bar.GetPos());
    EXPECT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerSecondArrow));

    // Timers that are not the bar's do nothing.
    bar.OnTimer(20000, POINT{5, 5});
    EXPECT_EQ(200, bar.GetPos());

    bar.OnLButtonUp();
    EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerSecondArrow));
    EXPECT_EQ(0u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerSecondArrow));
    EXPECT_EQ(0u, bar.PartState(ScrollbarPart::Second) & StatePushDown);
    // The system timer is gone too.
    EXPECT_FALSE(KillTimer(host.Get(), CBkScrollbar::kTimerSecondArrow));

    // A repeat with the cursor off the bar stops repeating.
    bar.OnLButtonDown(POINT{5, 7});
    EXPECT_EQ(184, bar.GetPos());
    bar.OnTimer(CBkScrollbar::kTimerFirstArrow, POINT{5, 50});
    EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerFirstArrow));
    EXPECT_EQ(184, bar.GetPos());
    bar.OnLButtonUp();
}

TEST_F(ScrollbarElement, ThumbDragRunsTimerTenForItsTarget)
{
    HostWindow host;
    CBkScrollbar bar;
    bar.SetContainer(host.Get());
    bar.SetTimerTarget(4242);
    Configure(bar, false, RECT{0, 0, 15, 100}, 100);
    ASSERT_TRUE(bar.OnLButtonDown(POINT{7, 10}));
    EXPECT_TRUE(bar.IsDragging());
    EXPECT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerDrag));
    EXPECT_EQ(4242u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerDrag));
    bar.OnTimer(CBkScrollbar::kTimerDrag, POINT{7, 20});
    EXPECT_EQ(20, bar.GetPos());
    bar.OnMouseMove(POINT{7, 30});
    EXPECT_EQ(40, bar.GetPos());
    // The drag timer keeps running until the button comes up.
    EXPECT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerDrag));
    EXPECT_TRUE(KillTimer(host.Get(), CBkScrollbar::kTimerDrag));
    bar.OnLButtonUp();
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerDrag));
    EXPECT_EQ(0u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerDrag));
}

TEST_F(ScrollbarElement, ATimerMessageReadsTheCursorInHostCoordinates)
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 50, 60, 320, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hwnd);
    CBkScrollbar bar;
    bar.SetContainer(hwnd);
    Configure(bar, true, RECT{0, 0, 300, 15}, 200);
    ASSERT_TRUE(bar.OnLButtonDown(POINT{290, 7}));
    ASSERT_TRUE(SetCursorPos(50 + 290, 60 + 7));
    LRESULT result = -1;
    EXPECT_TRUE(bar.ProcessMessage(hwnd, WM_TIMER, CBkScrollbar::kTimerSecondArrow, 0, &result));
    EXPECT_EQ(32, bar.GetPos());
    // Now on the track: the repeat becomes a page press, backwards on a horizontal bar.
    ASSERT_TRUE(SetCursorPos(50 + 250, 60 + 7));
    bar.ProcessMessage(hwnd, WM_TIMER, CBkScrollbar::kTimerSecondArrow, 0, &result);
    EXPECT_EQ(0, bar.GetPos());
    EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerSecondArrow));
    EXPECT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerPage));
    bar.OnLButtonUp();
    DestroyWindow(hwnd);
}

TEST_F(ScrollbarElement, DestroyingTheBarStopsItsTimers)
{
    HostWindow host;
    {
        CBkScrollbar bar;
        bar.SetContainer(host.Get());
        Configure(bar, false, RECT{0, 0, 15, 300}, 2000);
        bar.OnLButtonDown(POINT{7, 250});
        ASSERT_TRUE(bar.IsTimerRunning(CBkScrollbar::kTimerPage));
    }
    EXPECT_EQ(0u, ElementRegistry::Instance().TimerOwner(CBkScrollbar::kTimerPage));
    EXPECT_FALSE(KillTimer(host.Get(), CBkScrollbar::kTimerPage));
}

TEST_F(ScrollbarElement, MessagesReachTheSameEntryPoints)
{
    FakeClock clock(100);
    CBkScrollbar bar;
    Configure(bar, false, RECT{0, 0, 15, 300}, 2000);
    bar.SetWheelStep(80);
    LRESULT result = -1;
    EXPECT_TRUE(bar.ProcessMessage(nullptr, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 250), &result));
    EXPECT_EQ(0, result);
    EXPECT_TRUE(bar.Handled());
    EXPECT_EQ(544, bar.GetPos());
    bar.ProcessMessage(nullptr, WM_LBUTTONUP, 0, MAKELPARAM(7, 250), &result);
    EXPECT_FALSE(bar.IsTimerRunning(CBkScrollbar::kTimerPage));
    bar.ProcessMessage(nullptr, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0, &result);
    EXPECT_TRUE(trigger.Contains(&bar.Animation()));
    EXPECT_EQ(624, bar.Animation().Motion().Target());

    Canvas c(20, 300);
    bar.ProcessMessage(nullptr, WM_PAINT, reinterpret_cast<WPARAM>(c.Dc()), 0, &result);
    EXPECT_EQ(kBackground, c.At(7, 1));
    // Placement stays the element base's business.
    EXPECT_FALSE(bar.ProcessMessage(nullptr, WM_KEYDOWN, VK_DOWN, 0, &result));
}

TEST(ScrollbarSkins, DrawsThroughTheSkinPoolByTheStyleClassNames)
{
    SkinPool& pool = SkinPool::Instance();
    ASSERT_TRUE(pool.LoadDocument("<skins>"
                                  "<gradation name=sbBack from=336699 to=336699/>"
                                  "<gradation name=sbThumb from=CC3300 to=CC3300/>"
                                  "</skins>"));
    ASSERT_TRUE(StylePool::Instance().LoadDocument(
        "<style><class name=appPScrollBar thumb=sbThumb bkgd=sbBack rail=sbRail/></style>"));
    SetElementSkins(&pool);
    CBkScrollbar bar;
    bar.SetSkinClass("appPScrollBar");
    bar.SetBarRect(0, 0, 15, 100);
    bar.SetReserved(0);
    bar.SetScrollRange(100);
    Canvas c(20, 100);
    bar.Paint(c.Dc());
    EXPECT_EQ(0x336699u, c.At(7, 1));
    EXPECT_EQ(0xCC3300u, c.At(7, 20));
    EXPECT_EQ(0x336699u, c.At(7, 60));
    EXPECT_EQ(kBlank, c.At(16, 20));
    SetElementSkins(nullptr);
    StylePool::Instance().Clear();
    pool.Clear();
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
    // 3 to 96) shows its first cell's colour in the middle column.
    EXPECT_EQ(15 * 200, c.Changed(5, 0, 20, 200));
    EXPECT_EQ(0, c.ChangedOutside(RECT{5, 0, 20, 200}));
    const uint32_t track = c.At(12, 150);
    EXPECT_EQ(0xF2F4F5u, track);
    EXPECT_EQ(track, c.At(12, 1));
    EXPECT_EQ(0xC9D3D9u, c.At(12, 50));
    EXPECT_EQ(track, c.At(6, 50)) << "the thumb is narrower than the bar";

    bar.OnMouseMove(POINT{12, 50});
    bar.Paint(c.Dc());
    EXPECT_EQ(0xA8B6BFu, c.At(12, 50));
    bar.OnLButtonDown(POINT{12, 50});
    bar.Paint(c.Dc());
    EXPECT_EQ(0x8898A3u, c.At(12, 50));
    bar.OnLButtonUp();
    SetElementSkins(nullptr);
    StylePool::Instance().Clear();
    SkinPool::Instance().Clear();
}

}  // namespace
