// The "list" element under Wine: template loading, fill calls for visible
// rows only, row classes in the pixels, hit testing, hover through timer
// 20000, selection with Ctrl and Shift, clicks on template children as
// command notifications, double clicks and the helpers on children.
#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "toolkit/ElementRegistry.h"

using namespace list_test;

namespace {

class ListCtrl : public ListFixture {
protected:
    // 100 x 100 at y = 20: rows of 30 start at y = 20 + 30 r.
    std::unique_ptr<TestList> Make(int rows, const char* xml = kListXml)
    {
        bool loaded = false;
        auto list = LoadElement<TestList>(xml, host.Hwnd(), &loaded);
        EXPECT_TRUE(loaded);
        Place(list.get(), 0, 20, 100, 100);
        list->SetObserver(&observer);
        list->SetItemCount(rows);
        return list;
    }
    // Point in row r (scroll 0) at x.
    static POINT InRow(int r, int x = 50) { return POINT{x, 20 + 30 * r + 15}; }
    void Click(CBkListCtrl* list, POINT pt)
    {
        Send(list, host.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, pt.x, pt.y);
        Send(list, host.Hwnd(), WM_LBUTTONUP, 0, pt.x, pt.y);
    }
    void Hover(TestList* list, POINT pt)
    {
        Send(list, host.Hwnd(), WM_MOUSEMOVE, 0, pt.x, pt.y);
        list->cursor = pt;
        Send(list, host.Hwnd(), WM_TIMER, CBkListCtrl::kHoverTimer, 0, 0);
    }
};

TEST_F(ListCtrl, TheTemplateComesFromSrcAndWithoutOneTheListStaysSafe)
{
    auto list = Make(0);
    ASSERT_NE(nullptr, list->Template());
    EXPECT_EQ(30, list->GetItemHeight());
    EXPECT_EQ(100, list->GetItemWidth());
    EXPECT_TRUE(list->TakesAllMouseInput());
    EXPECT_EQ(list.get(), list->Template()->GetParent());  // visibility and fonts follow the list

    bool loaded = true;
    LoadElement<TestList>("<list cnormal=\"a\"/>", host.Hwnd(), &loaded);
    EXPECT_FALSE(loaded) << "src is required";
    auto flat = LoadElement<TestList>("<list src=\"302\"/>", host.Hwnd(), &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(nullptr, flat->Template()) << "a template of height 0";
    EXPECT_EQ(nullptr, LoadElement<TestList>("<list src=\"399\"/>", host.Hwnd())->Template());
    flat->SetItemCount(5);
    Place(flat.get(), 0, 0, 50, 50);
    Canvas canvas(50, 50);
    EXPECT_TRUE(flat->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(-1, flat->HitTest(POINT{5, 5}));
    EXPECT_FALSE(flat->LoadTemplate("<listitem height=\"12\""));
    EXPECT_FALSE(flat->LoadTemplate(nullptr));
    EXPECT_TRUE(flat->LoadTemplate("<listitem height=\"12\" width=\"40\"><dlg id=\"7\" pos=\"0,0,5,5\"/></listitem>"));
    EXPECT_EQ(12, flat->GetItemHeight());

    CBkListCtrl plain;
    EXPECT_EQ(kAttrApplied, plain.SetAttribute("SBarType", "1", true));
    EXPECT_EQ(kAttrNotRecognised, plain.SetAttribute("vertSBar", "x", true)) << "the scroll-bar list's own";
    EXPECT_EQ(kAttrRepaint, plain.SetAttribute("id", "20025", true));
}

TEST_F(ListCtrl, PaintingFillsOnlyTheVisibleRowsInTheirClassesFromTheScrollOffset)
{
    auto list = Make(1000);
    Canvas canvas(100, 140);
    observer.calls.clear();
    host.invalidated.clear();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(std::vector<int32_t>({0, 1, 2, 3, 4}), observer.FilledRows()) << "100 / 30 + 2 rows";
    // The observer changes children while rows fill; a real view would
    // repaint on every such request and so paint for ever.
    EXPECT_TRUE(host.invalidated.empty());
    list->ShowChild(kButtonId, false);
    EXPECT_EQ(1u, host.invalidated.size()) << "outside a paint a change still asks for a repaint";
    ScopedGdiObj<HRGN> away(CreateRectRgn(200, 200, 210, 210));
    observer.calls.clear();
    EXPECT_FALSE(list->RedrawRegion(canvas.Dc(), away.Get()));
    EXPECT_TRUE(observer.calls.empty());

    list = Make(3);
    list->SetSelectedIndex(1);
    list->SetHoverIndex(2);
    observer.calls.clear();
    canvas.Clear();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 35));  // "cnormal"
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 65));  // "cselect"
    EXPECT_EQ(0xEEF9FFu, canvas.At(50, 95));  // "chover"
    EXPECT_EQ(0x00FF00u, canvas.At(75, 35));  // each row's own fill: the button on even rows
    EXPECT_EQ(0x8FC9ECu, canvas.At(75, 65));
    EXPECT_EQ(Canvas::kBlank, canvas.At(50, 115));
    ASSERT_EQ(3u, observer.calls.size());
    EXPECT_EQ(ListRowSelected, observer.calls[1].state);
    EXPECT_EQ(ListRowHover, observer.calls[2].state);
    list->SetSelectedIndex(2);
    observer.calls.clear();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(ListRowSelectedHover, observer.calls[2].state);

    list = Make(10);
    list->SetSelectedIndex(1);
    list->SetScrollPos(40);  // row 1 starts 10 pixels above the list
    canvas.Clear();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 20));
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 41));
    EXPECT_EQ(Canvas::kBlank, canvas.At(50, 15)) << "nothing spills above the list";
}

TEST_F(ListCtrl, RowsOfTheirOwnHeightAreHitAndPaintedInHostCoordinates)
{
    auto list = Make(0);
    auto tall = std::make_unique<ListRowRecord>();
    tall->height = 50;
    list->AppendItem(nullptr);
    list->AppendItem(std::move(tall));
    list->AppendItem(nullptr);
    EXPECT_EQ(110, list->GetTotalHeight());
    const struct {
        int y, row;
    } hits[] = {{19, -1}, {20, 0}, {50, 0}, {51, 1}, {100, 1}, {101, 2}, {130, 2}, {131, -1}};
    for (const auto& h : hits)
        EXPECT_EQ(h.row, list->HitTest(POINT{50, h.y})) << h.y;
    list->HitTest(POINT{10, 60});  // the template is left on the row hit
    EXPECT_EQ(50, list->Template()->Rect().top);
    EXPECT_EQ(100, list->Template()->Rect().bottom);
    RECT r = list->GetRowRect(7);
    EXPECT_TRUE(IsRectEmpty(&r));
    Canvas canvas(100, 140);
    list->SetSelectedIndex(1);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 99));
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 102));
}

TEST_F(ListCtrl, HoverFollowsTheHoverTimerAndTracksTheChildUnderTheCursor)
{
    auto list = Make(3);
    Send(list.get(), host.Hwnd(), WM_MOUSEMOVE, MK_SHIFT, 50, 95);
    EXPECT_EQ(list->Handle(), ElementRegistry::Instance().TimerOwner(CBkListCtrl::kHoverTimer));
    EXPECT_EQ(-1, list->GetHoverIndex()) << "nothing changes until the timer fires";
    observer.calls.clear();
    list->cursor = InRow(2, 75);
    Send(list.get(), host.Hwnd(), WM_TIMER, CBkListCtrl::kHoverTimer, 0, 0);
    EXPECT_EQ(2, list->GetHoverIndex());
    EXPECT_EQ(kButtonId, list->GetHoverChild());
    CBkWindow* button = list->Template()->FindChildById(kButtonId);
    EXPECT_TRUE(button->State() & StateHover);
    ASSERT_FALSE(host.tips.empty());
    EXPECT_EQ(L"打开", host.tips.back());
    EXPECT_EQ(std::vector<int32_t>({2}), observer.FilledRows(ListRowHover));
    observer.calls.clear();
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(kButtonId, observer.calls[2].param) << "the hover row paints with its hover child";

    // To another row: the old one is filled as hovered once more so the
    // owner can undo it, and the child loses its hover.
    observer.calls.clear();
    Hover(list.get(), InRow(0, 50));
    EXPECT_EQ(0, list->GetHoverChild());
    EXPECT_FALSE(button->State() & StateHover);
    EXPECT_EQ(std::vector<int32_t>({2, 0}), observer.FilledRows(ListRowHover));
    Hover(list.get(), POINT{50, 119});
    EXPECT_EQ(-1, list->GetHoverIndex()) << "below the last row";
    Hover(list.get(), InRow(1, 37));
    EXPECT_EQ(kSmallButtonId, list->GetHoverChild());
    Send(list.get(), host.Hwnd(), WM_MOUSELEAVE, 0, 0, 0);
    EXPECT_EQ(-1, list->GetHoverIndex());

    auto empty = Make(0);
    observer.calls.clear();
    Hover(empty.get(), InRow(0));
    EXPECT_TRUE(observer.calls.empty());
}

TEST_F(ListCtrl, SelectionWithCtrlAndShiftOnlyWhenMultiSelect)
{
    auto list = Make(3);
    list->SetMultiSelect(true);
    Click(list.get(), InRow(2));
    const struct {
        bool ctrl, shift;
        int row;
        std::vector<int32_t> selected;
    } clicks[] = {{false, true, 0, {2, 1, 0}}, {true, false, 1, {2, 0}}, {true, false, 1, {2, 0, 1}},
                  {false, false, 1, {1}}};
    for (const auto& c : clicks) {
        HeldKeys keys(c.ctrl, c.shift);
        Click(list.get(), InRow(c.row));
        EXPECT_EQ(c.selected, list->SelectedRows()) << c.ctrl << c.shift << c.row;
    }
    list->SetMultiSelect(false);
    {
        HeldKeys both(true, true);
        Click(list.get(), InRow(2));
    }
    EXPECT_EQ(std::vector<int32_t>({2}), list->SelectedRows());
}

TEST_F(ListCtrl, AClickOnATemplateChildBecomesACommandNotification)
{
    auto list = Make(3);
    observer.calls.clear();
    Send(list.get(), host.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 75, 95);
    CBkWindow* button = list->Template()->FindChildById(kButtonId);
    EXPECT_TRUE(button->State() & StatePushDown);
    ASSERT_FALSE(observer.calls.empty());
    EXPECT_EQ(ListRowSelectedHover, observer.calls.back().state) << "the press fills the row";
    EXPECT_TRUE(host.notices.empty());
    Send(list.get(), host.Hwnd(), WM_LBUTTONUP, 0, 76, 96);
    ASSERT_EQ(1u, host.notices.size());
    EXPECT_EQ(1u, host.notices[0].code);
    EXPECT_EQ(static_cast<uint32_t>(kButtonId), host.notices[0].itemId);
    EXPECT_EQ("dlg", host.notices[0].itemClass);
    EXPECT_FALSE(button->State() & StatePushDown);

    // Released over another row or beside the child; a child without an id,
    // the row background, a disabled child: nothing.
    Send(list.get(), host.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 75, 95);
    Send(list.get(), host.Hwnd(), WM_LBUTTONUP, 0, 75, 35);
    EXPECT_FALSE(button->State() & StatePushDown);
    Send(list.get(), host.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 75, 95);
    Send(list.get(), host.Hwnd(), WM_LBUTTONUP, 0, 50, 95);
    Click(list.get(), InRow(0, 10));
    Click(list.get(), InRow(0, 50));
    button->ModifyState(StateDisabled, 0);
    Click(list.get(), InRow(0, 75));
    EXPECT_EQ(1u, host.notices.size());
    Click(list.get(), InRow(1, 37));
    ASSERT_EQ(2u, host.notices.size());
    EXPECT_EQ(static_cast<uint32_t>(kSmallButtonId), host.notices[1].itemId);
}

TEST_F(ListCtrl, DoubleClicksTheHostMessageAndTheHelpersOnTemplateChildren)
{
    auto list = Make(3);
    for (int y : {65, 119}) {
        observer.calls.clear();
        Send(list.get(), host.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 50, y);
        ASSERT_EQ(1u, observer.calls.size());
        EXPECT_EQ(ListEventDoubleClick, observer.calls[0].code);
        EXPECT_EQ(y == 65 ? 1 : -1, observer.calls[0].row) << "below the last row: no row";
    }
    EXPECT_EQ(42, list->NotifyHost(7));
    EXPECT_EQ(std::vector<LPARAM>{7}, host.listMessages);
    EXPECT_EQ(0, CBkListCtrl().NotifyHost(7));

    CBkWindow* button = list->Template()->FindChildById(kButtonId);
    EXPECT_EQ(1, list->SetChildAttribute(kButtonId, "crbg", "0000FF"));
    EXPECT_EQ(0xFF0000u, button->Style().crbg);
    EXPECT_EQ(1, list->SetChildAttributeUInt(kButtonId, "id", 777u));
    EXPECT_EQ(button, list->Template()->FindChildById(777));
    EXPECT_EQ(1, list->SetChildAttributeUInt(777, "id", kButtonId));
    EXPECT_EQ(1, list->SetChildText(kButtonId, L"安装"));
    EXPECT_EQ(L"安装", button->Text());
    EXPECT_EQ(1, list->ShowChild(kButtonId, false));
    EXPECT_FALSE(button->IsVisible(false));
    EXPECT_EQ(1, list->SetChildCheck(kButtonId, true));
    EXPECT_EQ(1, list->GetChildCheck(kButtonId));
    EXPECT_EQ(1, list->SetChildTip(kButtonId, L"卸载"));
    EXPECT_EQ(L"卸载", button->Tip());
    EXPECT_EQ(0, list->SetChildAttribute(999, "crbg", "000000") + list->SetChildAttributeUInt(999, "id", 1) +
                     list->SetChildText(999, L"x") + list->ShowChild(999, true) + list->SetChildCheck(999, true) +
                     list->GetChildCheck(999) + list->SetChildTip(999, L"x") + list->ShowChild(0, true))
        << "unknown ids answer zero";
}

}  // namespace
