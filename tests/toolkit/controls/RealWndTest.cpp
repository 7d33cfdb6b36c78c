// "realwnd": showing and hiding the child window it stands for.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkRealWnd.h"

using namespace element_test;

namespace {
const char* kLayout =
    "<dlg pos=\"0,0,-0,-0\"><dlg id=\"50\" pos=\"0,0,-0,-0\"><realwnd id=\"7\" pos=\"10,20,-10,50\" crbg=\"FF0000\"/>"
    "</dlg></dlg>";
}  // namespace

TEST(RealWnd, ChildIsShownOnlyWhileItAndEveryAncestorAreAndHiddenWhenDestroyed)
{
    HostWindow host;
    HWND child = host.AddChild(7);
    auto dlg = LoadPlaced(kLayout, host.Hwnd(), 200, 100);
    CBkWindow* box = dlg->FindChildById(50);
    CBkWindow* real = dlg->FindChildById(7);
    Send(box, WM_SHOWWINDOW, FALSE);
    EXPECT_FALSE(Shown(child));
    Send(box, WM_SHOWWINDOW, TRUE);
    EXPECT_TRUE(Shown(child));
    Send(real, WM_SHOWWINDOW, FALSE);
    Send(box, WM_SHOWWINDOW, FALSE);
    Send(box, WM_SHOWWINDOW, TRUE);
    EXPECT_FALSE(Shown(child)) << "the element itself is still hidden";
    Send(box, WM_SHOWWINDOW, FALSE);
    Send(real, WM_SHOWWINDOW, TRUE);
    EXPECT_FALSE(Shown(child)) << "an ancestor is hidden";
    Send(box, WM_SHOWWINDOW, TRUE);
    EXPECT_TRUE(Shown(child));

    Canvas canvas(200, 100);  // the child window paints itself, the element nothing
    EXPECT_FALSE(real->NeedsRedrawOnStateChange());
    EXPECT_TRUE(real->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(0, canvas.Changed(0, 0, 200, 100));
    Send(dlg.get(), WM_DESTROY);
    EXPECT_FALSE(Shown(child));
}
