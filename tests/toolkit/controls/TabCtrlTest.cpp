// "tabctrl" and "tab": the selected page, header presses, hit testing and
// the pages' share of visibility.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkTabCtrl.h"

using namespace element_test;

namespace {

const char* kTabs =
    "<dlg><tabctrl id=\"9\" pos=\"10,10,210,110\" cursel=\"1\" tabwidth=\"40\" tabheight=\"20\" tabspacing=\"2\">"
    "<tab title=\"a\"><text id=\"1\" pos=\"0,0,-0,-0\" crbg=\"FF0000\">one</text></tab>"
    "<tab title=\"b\"><text id=\"2\" pos=\"0,0,-0,-0\" crbg=\"00FF00\">two</text></tab>"
    "<tab title=\"c\" hide=\"1\"><text id=\"3\" pos=\"0,0,-0,-0\">three</text></tab>"
    "<tab title=\"d\"><realwnd id=\"4\" pos=\"0,0,20,20\"/></tab>"
    "</tabctrl></dlg>";

class TabCtrl : public ::testing::Test {
protected:
    void SetUp() override
    {
        child = host.AddChild(4);
        dlg = LoadPlaced(kTabs, host.Hwnd(), 300, 200);
        tabs = static_cast<CBkTabCtrl*>(dlg->FindChildById(9));
        ASSERT_NE(nullptr, tabs);
        host.notices.clear();
    }
    HostWindow host;
    HWND child = nullptr;
    std::unique_ptr<CBkDialog> dlg;
    CBkTabCtrl* tabs = nullptr;
};

}  // namespace

TEST_F(TabCtrl, OnlyTheSelectedPageIsShownPaintedAndHit)
{
    ASSERT_EQ(4u, tabs->PageCount());
    for (size_t i = 0; i < tabs->PageCount(); ++i)
        EXPECT_EQ(i == 1, tabs->Page(i)->IsVisible(false)) << i;
    element_test::ExpectRect(dlg->FindChildById(2)->Rect(), 10, 30, 210, 110, "page content fills the frame");
    EXPECT_NE(nullptr, dlg->FindChildById(3));  // elements of hidden pages are still found
    element_test::ExpectRect(tabs->HeaderRect(2), 0, 0, 0, 0, "a hidden page takes no header");
    element_test::ExpectRect(tabs->HeaderRect(3), 94, 10, 134, 30, "d");
    Canvas canvas(300, 200);
    dlg->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_GT(canvas.Count(10, 30, 210, 110, DibOf("00FF00")), 1000);
    EXPECT_EQ(0, canvas.Count(0, 0, 300, 200, DibOf("FF0000")));
    EXPECT_EQ(dlg->FindChildById(2)->Handle(), tabs->HitTest(100, 80, 0));
    tabs->SelectPage(0, false);
    EXPECT_EQ(dlg->FindChildById(1)->Handle(), tabs->HitTest(100, 80, 0));
    EXPECT_TRUE(host.notices.empty());  // selected without notifying
}

TEST_F(TabCtrl, PressOnAHeaderSelectsItsPageAndNotifiesOnce)
{
    Send(tabs, WM_LBUTTONDOWN, 0, Point(20, 15));
    EXPECT_EQ(0, tabs->CurSel());
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(static_cast<UINT>(NotifyTabChange), host.notices[0].code);
    EXPECT_EQ(9u, host.notices[0].itemId);
    EXPECT_EQ("tabctrl", host.notices[0].itemClass);
    EXPECT_EQ((std::vector<int32_t>{1, 0}), host.notices[0].extra);
    Send(tabs, WM_LBUTTONDOWN, 0, Point(20, 15));   // the same header
    Send(tabs, WM_LBUTTONDOWN, 0, Point(180, 15));  // beside the headers
    EXPECT_EQ(1u, host.notices.size());
    EXPECT_FALSE(tabs->SelectPage(4, true));
    EXPECT_FALSE(tabs->SelectPage(-1, true));
    EXPECT_EQ(0, tabs->CurSel());
}

TEST_F(TabCtrl, RealWindowsOfUnselectedPagesStayHidden)
{
    EXPECT_FALSE(Shown(child));
    tabs->SelectPage(3, false);
    EXPECT_TRUE(Shown(child));
    Send(tabs, WM_SHOWWINDOW, FALSE);
    EXPECT_FALSE(Shown(child));
    Send(tabs, WM_SHOWWINDOW, TRUE);
    EXPECT_TRUE(Shown(child));
    tabs->SelectPage(0, false);
    EXPECT_FALSE(Shown(child));

    auto bad = LoadPlaced("<dlg><tabctrl id=\"1\" pos=\"0,0,50,50\" cursel=\"7\"><tab/><tab/></tabctrl>"
                          "<tabctrl id=\"2\" pos=\"0,0,50,50\"/></dlg>",
                          nullptr, 100, 100);
    EXPECT_EQ(0, static_cast<CBkTabCtrl*>(bad->FindChildById(1))->CurSel());
    Send(bad->FindChildById(2), WM_LBUTTONDOWN, 0, Point(5, 5));  // no pages: no harm
    Canvas canvas(100, 100);
    bad->RedrawRegion(canvas.Dc(), nullptr);
}
