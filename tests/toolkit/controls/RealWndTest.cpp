// "realwnd": moving, notifying and showing the child window it stands for.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/controls/BkRealWnd.h"

using namespace controls_test;

namespace {

RECT ChildRect(HWND parent, HWND child)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

const char* kLayout =
    "<dlg pos=\"0,0,-0,-0\">"
    "<dlg id=\"50\" pos=\"0,0,-0,-0\"><realwnd id=\"7\" pos=\"10,20,-10,50\"/></dlg>"
    "</dlg>";

}  // namespace

TEST(RealWnd, PlacementMovesTheChildWindowAndNotifiesTheView)
{
    HostWindow host;
    HWND child = host.AddChild(7);
    auto dlg = LoadPlaced(kLayout, host.Hwnd(), 200, 100);
    element_test::ExpectRect(ChildRect(host.Hwnd(), child), 10, 20, 190, 50, "child");
    ASSERT_EQ(1u, host.notices.size());
    const HostWindow::Notice& n = host.notices[0];
    EXPECT_EQ(static_cast<UINT>(NotifyRealWndMoved), n.code);
    EXPECT_EQ(7u, n.itemId);
    EXPECT_EQ(10, n.rect.left);
    EXPECT_EQ(20, n.rect.top);
    EXPECT_EQ(190, n.rect.right);
    EXPECT_EQ(50, n.rect.bottom);
}

TEST(RealWnd, UnchangedRectangleSendsNothing)
{
    HostWindow host;
    HWND child = host.AddChild(7);
    auto dlg = LoadPlaced(kLayout, host.Hwnd(), 200, 100);
    host.notices.clear();
    element_test::Place(dlg.get(), 0, 0, 200, 100);
    EXPECT_TRUE(host.notices.empty());

    // A layout change moves it again.
    element_test::Place(dlg.get(), 0, 0, 300, 100);
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(290, host.notices[0].rect.right);
    EXPECT_EQ(290, ChildRect(host.Hwnd(), child).right);
}

TEST(RealWnd, HidingTheContainerHidesTheChildAndShowingRespectsItsOwnFlag)
{
    HostWindow host;
    HWND child = host.AddChild(7);
    auto dlg = LoadPlaced(kLayout, host.Hwnd(), 200, 100);
    CBkWindow* box = dlg->FindChildById(50);
    CBkWindow* real = dlg->FindChildById(7);
    ASSERT_TRUE(Shown(child));

    Send(box, WM_SHOWWINDOW, FALSE);
    EXPECT_FALSE(Shown(child));
    Send(box, WM_SHOWWINDOW, TRUE);
    EXPECT_TRUE(Shown(child));

    Send(real, WM_SHOWWINDOW, FALSE);
    EXPECT_FALSE(Shown(child));
    Send(box, WM_SHOWWINDOW, FALSE);
    Send(box, WM_SHOWWINDOW, TRUE);
    EXPECT_FALSE(Shown(child));  // the element itself is still hidden

    // Shown again only while every ancestor is visible.
    Send(box, WM_SHOWWINDOW, FALSE);
    Send(real, WM_SHOWWINDOW, TRUE);
    EXPECT_FALSE(Shown(child));
    Send(box, WM_SHOWWINDOW, TRUE);
    EXPECT_TRUE(Shown(child));
}

TEST(RealWnd, DestroyHidesTheChildAndPaintingDrawsNothing)
{
    HostWindow host;
    HWND child = host.AddChild(7);
    auto dlg = LoadPlaced(
        "<dlg pos=\"0,0,-0,-0\"><realwnd id=\"7\" pos=\"0,0,20,20\" crbg=\"FF0000\">text</realwnd></dlg>",
        host.Hwnd(), 50, 50);
    CBkWindow* real = dlg->FindChildById(7);
    EXPECT_FALSE(real->NeedsRedrawOnStateChange());
    Canvas canvas(50, 50);
    EXPECT_TRUE(real->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(0, canvas.Changed(0, 0, 50, 50));

    Send(dlg.get(), WM_DESTROY);
    EXPECT_EQ(0u, dlg->ChildCount());
    EXPECT_FALSE(Shown(child));
}

TEST(RealWnd, WithoutItsChildWindowThePlaceIsStillNotified)
{
    HostWindow host;
    auto dlg = LoadPlaced(kLayout, host.Hwnd(), 200, 100);
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(static_cast<UINT>(NotifyRealWndMoved), host.notices[0].code);
    EXPECT_EQ(7u, host.notices[0].itemId);
    auto* real = static_cast<CBkRealWnd*>(dlg->FindChildById(7));
    EXPECT_EQ(nullptr, real->ChildWindow());
    Send(real, WM_SHOWWINDOW, TRUE);
    Send(real, WM_DESTROY);
}
