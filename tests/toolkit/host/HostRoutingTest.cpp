// Mouse, wheel, cursor and timer routing of a real view, driven by messages
// sent to it: hover and press by handle, the drag bands, clicks only on a
// release over the pressed element, links, double clicks on the header.
#include "tests/toolkit/host/HostTestSupport.h"

#include "toolkit/ElementRegistry.h"

using namespace host_test;

namespace {

class HostRouting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrepareToolkit(); }

    void Open(unsigned layer = kLayer)
    {
        dialog_ = std::make_unique<TestDialog>(layer);
        ASSERT_NE(nullptr, dialog_->Create(nullptr));
        view_ = dialog_->View().Hwnd();
    }
    void Move(int x, int y) { SendMessageW(view_, WM_MOUSEMOVE, 0, Point(x, y)); }
    void Down(int x, int y)
    {
        Move(x, y);
        SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    }
    void Up(int x, int y) { SendMessageW(view_, WM_LBUTTONUP, 0, Point(x, y)); }
    void Click(int x, int y)
    {
        Down(x, y);
        Up(x, y);
    }
    Probe* Item(int id) { return static_cast<Probe*>(dialog_->FindItem(id)); }

    std::unique_ptr<TestDialog> dialog_;
    HWND view_ = nullptr;
};

}  // namespace

TEST_F(HostRouting, TheBandsDragTheWindowExceptOnButtonsAndLinks)
{
    Open();
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 40));
    ASSERT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_EQ(0xF012u, dialog_->sysCommands[0]);
    EXPECT_EQ(nullptr, GetCapture());
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 41));
    Up(10, 41);
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(110, 20));  // a plain element in the band drags
    EXPECT_EQ(0, Item(11)->Count(WM_LBUTTONDOWN));
    Click(370, 20);  // the close button clicks
    EXPECT_EQ(2u, dialog_->sysCommands.size());
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(12u, dialog_->Clicks()[0].itemId);

    Open(kNoHeaderLayer);  // without a header the body drags and nothing maximises
    SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, Point(100, 20));
    SendMessageW(view_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(100, 20));
    EXPECT_EQ(1u, dialog_->sysCommands.size());
    EXPECT_TRUE(dialog_->Only(NotifyDoubleClick).empty());
    Click(360, 10);
    ASSERT_EQ(1u, dialog_->Clicks().size());
    EXPECT_EQ(60001u, dialog_->Clicks()[0].itemId);
}

TEST_F(HostRouting, HoverFollowsTheMouseRepaintsAndIsLostByHiddenDestroyedOrLeftElements)
{
    Open();
    EXPECT_EQ(0x00FF00u, Picture(view_).At(20, 110));
    Move(20, 110);
    Move(21, 111);  // same element: one enter
    Probe* leaf = Item(21);
    EXPECT_EQ(leaf->Handle(), dialog_->View().HoverHandle());
    EXPECT_EQ(0x0000FFu, Picture(view_).At(20, 110));
    EXPECT_EQ(1u, dialog_->Only(NotifyMouseEnter).size());
    EXPECT_EQ(0, leaf->Count(WM_MOUSELEAVE));
    Move(150, 400);
    EXPECT_EQ(1, leaf->Count(WM_MOUSELEAVE));
    EXPECT_EQ(0x00FF00u, Picture(view_).At(20, 110));

    Move(220, 220);
    ASSERT_TRUE(dialog_->SetItemVisible(28, false));
    Move(221, 221);  // now the container answers at this point
    EXPECT_FALSE(Item(28)->State() & StateHover);
    EXPECT_EQ(dialog_->FindItem(27)->Handle(), dialog_->View().HoverHandle());

    Down(30, 210);
    SendMessageW(view_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(0u, Item(22)->State() & (StateHover | StatePushDown));
    EXPECT_EQ(0u, dialog_->View().PressedHandle());
    EXPECT_EQ(1u, dialog_->Only(NotifyMouseLeave).size());
    Up(30, 210);
    EXPECT_TRUE(dialog_->Clicks().empty());
    Move(30, 210);  // leave tracking is armed again
    EXPECT_EQ(2u, dialog_->Only(NotifyMouseEnter).size());

    ASSERT_TRUE(dialog_->View().LoadLayer(std::string("<layer><body crbg=\"FFFFFF\"/></layer>")));
    EXPECT_EQ(0u, dialog_->View().HoverHandle());  // destroyed: simply not found
    Move(10, 10);
    SendMessageW(view_, WM_LBUTTONUP, 0, Point(10, 10));
    SendMessageW(view_, WM_MOUSELEAVE, 0, 0);
}
