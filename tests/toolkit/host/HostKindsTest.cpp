// The routing rules that depend on the element kind, with the real kinds
// that CreateElement makes ("text", "link", "imgbtn", "button").
#include "tests/toolkit/host/HostTestSupport.h"

using namespace host_test;

namespace {

const char kKindsLayer[] =
    "<layer width=\"300\" height=\"200\" resize=\"1\">"
    "<header height=\"45\" crbg=\"FF0000\">"
    "  <text id=\"3\" pos=\"5,5\">标题</text>"
    "  <imgbtn id=\"60001\" pos=\"-36,1,-1,36\"/>"
    "  <link id=\"4\" pos=\"100,5,150,20\">帮助</link>"
    "</header>"
    "<body crbg=\"FFFFFF\">"
    "  <imgbtn id=\"20003\" pos=\"10,10,110,41\"/>"
    "  <text id=\"20010\" transparent=\"1\" pos=\"30,15,90,35\">安装</text>"
    "  <link id=\"20001\" pos=\"10,60,80,75\">显示权限</link>"
    "  <link id=\"20004\" href=\"Z:\\no\\such\\folder\\target.none\" pos=\"10,90,80,105\">打开</link>"
    "  <button id=\"7\" pos=\"150,10,200,30\">b</button>"
    "</body>"
    "</layer>";

class HostKinds : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrepareToolkit(); }
    void SetUp() override
    {
        // The built-in kinds, not the probes.
        ControlsFactory::Register(nullptr);
        ASSERT_TRUE(dialog_.View().LoadLayer(std::string(kKindsLayer)));
        ASSERT_NE(nullptr, dialog_.Create(nullptr));
        view_ = dialog_.View().Hwnd();
    }
    void TearDown() override { PrepareToolkit(); }

    void Send(UINT message, int x, int y) { SendMessageW(view_, message, MK_LBUTTON, Point(x, y)); }
    void Click(int x, int y)
    {
        Send(WM_MOUSEMOVE, x, y);
        Send(WM_LBUTTONDOWN, x, y);
        SendMessageW(view_, WM_LBUTTONUP, 0, Point(x, y));
    }

    TestDialog dialog_{0};
    HWND view_ = nullptr;
};

}  // namespace

TEST_F(HostKinds, TheLayerIsMadeOfTheRealKinds)
{
    EXPECT_STREQ("imgbtn", dialog_.FindItem(20003)->GetClassName());
    EXPECT_STREQ("link", dialog_.FindItem(20001)->GetClassName());
    EXPECT_STREQ("text", dialog_.FindItem(3)->GetClassName());
    EXPECT_STREQ("button", dialog_.FindItem(7)->GetClassName());
}

TEST_F(HostKinds, ImageButtonClicksOnlyWhenReleasedOverIt)
{
    CBkWindow* button = dialog_.FindItem(20003);
    Send(WM_MOUSEMOVE, 50, 70);
    Send(WM_LBUTTONDOWN, 50, 70);
    EXPECT_TRUE(button->State() & StatePushDown);
    Send(WM_MOUSEMOVE, 250, 150);
    SendMessageW(view_, WM_LBUTTONUP, 0, Point(250, 150));
    EXPECT_FALSE(button->State() & StatePushDown);
    EXPECT_TRUE(dialog_.Clicks().empty());

    // The transparent caption over it lets the press through.
    Click(50, 70);
    ASSERT_EQ(1u, dialog_.Clicks().size());
    EXPECT_EQ(20003u, dialog_.Clicks()[0].itemId);
    EXPECT_EQ("imgbtn", dialog_.Clicks()[0].itemClass);
}

TEST_F(HostKinds, LinkWithHrefOpensAndOneWithoutNotifies)
{
    Click(20, 140);  // 20004, href to nowhere
    EXPECT_TRUE(dialog_.Clicks().empty());
    Click(20, 110);  // 20001
    ASSERT_EQ(1u, dialog_.Clicks().size());
    EXPECT_EQ(20001u, dialog_.Clicks()[0].itemId);
    EXPECT_EQ("link", dialog_.Clicks()[0].itemClass);
}

TEST_F(HostKinds, InTheCaptionBandTextDragsWhileButtonsAndLinksClick)
{
    Send(WM_LBUTTONDOWN, 10, 10);  // the title text
    ASSERT_EQ(1u, dialog_.sysCommands.size());
    EXPECT_EQ(0xF012u, dialog_.sysCommands[0]);
    Click(280, 10);  // close button
    Click(110, 10);  // link
    EXPECT_EQ(1u, dialog_.sysCommands.size());
    ASSERT_EQ(2u, dialog_.Clicks().size());
    EXPECT_EQ(60001u, dialog_.Clicks()[0].itemId);
    EXPECT_EQ(4u, dialog_.Clicks()[1].itemId);
}

TEST_F(HostKinds, HeaderDoubleClickOnTextMaximisesButNotOnButtonsOrLinks)
{
    Send(WM_LBUTTONDBLCLK, 280, 10);
    Send(WM_LBUTTONDBLCLK, 110, 10);
    EXPECT_TRUE(dialog_.sysCommands.empty());
    Send(WM_LBUTTONDBLCLK, 10, 10);
    ASSERT_EQ(1u, dialog_.sysCommands.size());
    EXPECT_EQ(0xF030u, dialog_.sysCommands[0]);

    Send(WM_LBUTTONDBLCLK, 160, 60);  // body button
    std::vector<Notice> doubles = dialog_.Only(NotifyDoubleClick);
    ASSERT_EQ(1u, doubles.size());
    EXPECT_EQ(7u, doubles[0].itemId);
    EXPECT_EQ("button", doubles[0].itemClass);
}
