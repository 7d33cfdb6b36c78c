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

