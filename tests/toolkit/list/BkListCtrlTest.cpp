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
        auto list = LoadElement<TestList>(xml, host.Get(), &loaded);
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
        Send(list, host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, pt.x, pt.y);
        Send(list, host.Get(), WM_LBUTTONUP, 0, pt.x, pt.y);
    }
    void Hover(TestList* list, POINT pt)
    {
        Send(list, host.Get(), WM_MOUSEMOVE, 0, pt.x, pt.y);
        list->cursor = pt;
        Send(list, host.Get(), WM_TIMER, CBkListCtrl::kHoverTimer, 0, 0);
    }
};

TEST_F(ListCtrl, TemplateComesFromTheSrcResource)
{
    auto list = Make(0);
    ASSERT_NE(nullptr, list->Template());
    EXPECT_EQ(30, list->GetItemHeight());
    EXPECT_EQ(100, list->GetItemWidth());
    EXPECT_EQ(3u, list->Template()->ChildCount());
    EXPECT_EQ(301, list->Src());
    EXPECT_TRUE(list->TakesAllMouseInput());
    // The template hangs under the list, so visibility and fonts follow it.
    EXPECT_EQ(list.get(), list->Template()->GetParent());
}

TEST_F(ListCtrl, CreationNeedsSrcAndAPositiveTemplateHeight)
{
    bool loaded = true;
    auto none = LoadElement<TestList>("<list cnormal=\"a\"/>", host.Get(), &loaded);
    EXPECT_FALSE(loaded);
    auto empty = LoadElement<TestList>("<list src=\"\"/>", host.Get(), &loaded);
    EXPECT_FALSE(loaded);

    auto flat = LoadElement<TestList>("<list src=\"302\"/>", host.Get(), &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(nullptr, flat->Template());
    EXPECT_EQ(0, flat->GetItemHeight());
    auto missing = LoadElement<TestList>("<list src=\"399\"/>", host.Get(), &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(nullptr, missing->Template());

    // Without a template a list still paints and hit-tests safely.
    flat->SetItemCount(5);
    Place(flat.get(), 0, 0, 50, 50);
    Canvas canvas(50, 50);
    EXPECT_TRUE(flat->RedrawRegion(canvas.Dc(), nullptr));
    EXPECT_EQ(-1, flat->HitTest(POINT{5, 5}));

    EXPECT_FALSE(flat->LoadTemplate("<listitem height=\"0\" width=\"5\"/>"));
    EXPECT_FALSE(flat->LoadTemplate("<listitem height=\"12\""));
    EXPECT_FALSE(flat->LoadTemplate(nullptr));
    EXPECT_TRUE(flat->LoadTemplate("<listitem height=\"12\" width=\"40\"><dlg id=\"7\" pos=\"0,0,5,5\"/></listitem>"));
    EXPECT_EQ(12, flat->GetItemHeight());
    ASSERT_NE(nullptr, flat->Template());
    EXPECT_NE(nullptr, flat->Template()->FindChildById(7));
}

TEST_F(ListCtrl, AttributeResults)
{
    CBkListCtrl list;
    EXPECT_EQ(kAttrRepaint, list.SetAttribute("src", "104", true));
    EXPECT_EQ(kAttrApplied, list.SetAttribute("cnormal", "n", true));
    EXPECT_EQ(kAttrApplied, list.SetAttribute("SBarType", "1", true));
    // The scroll-bar list's attributes are unknown to the plain list.
    EXPECT_EQ(kAttrNotRecognised, list.SetAttribute("vertSBar", "x", true));
    EXPECT_EQ(kAttrNotRecognised, list.SetAttribute("rows", "3", true));
    // The element's common attributes still come first.
    EXPECT_EQ(kAttrRepaint, list.SetAttribute("id", "20025", true));
    EXPECT_EQ(20025, list.Id());
}

TEST_F(ListCtrl, PaintingFillsOnlyTheRowsThatCanBeVisible)
{
    auto list = Make(1000);
    Canvas canvas(100, 140);
    observer.calls.clear();
    host.log.invalidates = 0;
    list->RedrawRegion(canvas.Dc(), nullptr);
    // 100 / 30 + 2 rows are looked at.
    EXPECT_EQ(std::vector<int32_t>({0, 1, 2, 3, 4}), observer.FilledRows());
    // The observer changes children while rows fill; a real view would
    // repaint on every such request and so paint for ever.
    EXPECT_EQ(0, host.log.invalidates);
    list->ShowChild(kButtonId, false);
    EXPECT_EQ(1, host.log.invalidates) << "outside a paint a change still asks for a repaint";
    for (const FillCall& c : observer.calls) {
        EXPECT_EQ(ListRowNormal, c.state);
        EXPECT_EQ(0, c.param);
    }
    EXPECT_EQ(list->Template(), observer.templates.front());

    observer.calls.clear();
    list->SetScrollPos(50);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(std::vector<int32_t>({1, 2, 3, 4, 5}), observer.FilledRows());

    // A region away from the list paints nothing at all.
    observer.calls.clear();
    ScopedGdiObj<HRGN> away(CreateRectRgn(200, 200, 210, 210));
    EXPECT_FALSE(list->RedrawRegion(canvas.Dc(), away.Get()));
    EXPECT_TRUE(observer.calls.empty());
}

TEST_F(ListCtrl, RowsShowTheirClassesAndTheirOwnFill)
{
    auto list = Make(3);
    list->SetSelectedIndex(1);
    list->SetHoverIndex(2);
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 35));  // row 0: "cnormal"
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 65));  // row 1: "cselect"
    EXPECT_EQ(0xEEF9FFu, canvas.At(50, 95));  // row 2: "chover"
    // The observer hides the button on odd rows only.
    EXPECT_EQ(0x00FF00u, canvas.At(75, 35));
    EXPECT_EQ(0x8FC9ECu, canvas.At(75, 65));
    EXPECT_EQ(0x00FF00u, canvas.At(75, 95));
    EXPECT_EQ(0xFF0000u, canvas.At(10, 65));
    // Rows end at the third; the list's own rectangle holds no more.
    EXPECT_EQ(Canvas::kBlank, canvas.At(50, 115));
    EXPECT_EQ(Canvas::kBlank, canvas.At(50, 10));
    std::vector<FillCall> states = observer.calls;
    ASSERT_EQ(3u, states.size());
    EXPECT_EQ(ListRowNormal, states[0].state);
    EXPECT_EQ(ListRowSelected, states[1].state);
    EXPECT_EQ(ListRowHover, states[2].state);

    list->SetSelectedIndex(2);
    observer.calls.clear();
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(ListRowSelectedHover, observer.calls[2].state);
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 95));
}

TEST_F(ListCtrl, ScrolledRowsPaintFromTheOffsetInsideTheFirstRow)
{
    auto list = Make(10);
    list->SetSelectedIndex(1);
    list->SetScrollPos(40);  // row 1 starts 10 pixels above the list
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 20));
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 39));
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 41));
    // Nothing spills above the list's top.
    EXPECT_EQ(Canvas::kBlank, canvas.At(50, 15));
}

TEST_F(ListCtrl, HitTestUsesInclusiveBoundsInHostCoordinates)
{
    auto list = Make(3);
    EXPECT_EQ(0, list->HitTest(POINT{10, 20}));
    EXPECT_EQ(0, list->HitTest(POINT{10, 50}));  // line between rows 0 and 1
    EXPECT_EQ(1, list->HitTest(POINT{10, 51}));
    EXPECT_EQ(1, list->GetHitRow());
    EXPECT_EQ(2, list->HitTest(POINT{10, 110}));
    EXPECT_EQ(-1, list->HitTest(POINT{10, 111}));
    EXPECT_EQ(-1, list->HitTest(POINT{10, 19}));
    // The template is left on the row hit.
    list->HitTest(POINT{10, 60});
    EXPECT_EQ(50, list->Template()->Rect().top);
    EXPECT_EQ(80, list->Template()->Rect().bottom);
    EXPECT_EQ(100, list->Template()->Rect().right);
    RECT r = list->GetRowRect(1);
    EXPECT_EQ(30, r.top);
    EXPECT_EQ(60, r.bottom);
    EXPECT_EQ(100, r.right);
    r = list->GetRowRect(7);
    EXPECT_TRUE(IsRectEmpty(&r));
    // The element answers for its whole rectangle.
    CBkWindow* element = list.get();
    EXPECT_EQ(list->Handle(), element->HitTest(75, 30, 0));
    EXPECT_EQ(0u, element->HitTest(75, 130, 0));
}

TEST_F(ListCtrl, HoverFollowsTheHoverTimerAndTracksTheChildUnderTheCursor)
{
    auto list = Make(3);
    Send(list.get(), host.Get(), WM_MOUSEMOVE, MK_SHIFT, 50, 95);
    EXPECT_EQ(list->Handle(), ElementRegistry::Instance().TimerOwner(CBkListCtrl::kHoverTimer));
    // Nothing changes until the timer fires.
    EXPECT_EQ(-1, list->GetHoverIndex());

    observer.calls.clear();
    list->cursor = InRow(2, 75);
    Send(list.get(), host.Get(), WM_TIMER, CBkListCtrl::kHoverTimer, 0, 0);
    EXPECT_EQ(2, list->GetHoverIndex());
    EXPECT_EQ(kButtonId, list->GetHoverChild());
    CBkWindow* button = list->Template()->FindChildById(kButtonId);
    EXPECT_TRUE(button->State() & StateHover);
    ASSERT_FALSE(host.log.tips.empty());
    EXPECT_EQ(L"打开", host.log.tips.back());
    EXPECT_EQ(std::vector<int32_t>({2}), observer.FilledRows(ListRowHover));
    EXPECT_GT(host.log.invalidates, 0);

    // The hover row paints with the hover child as its parameter.
    observer.calls.clear();
    Canvas canvas(100, 140);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(kButtonId, observer.calls[2].param);
    EXPECT_EQ(0, observer.calls[1].param);

    // To another row: the old one is filled as hovered once more so the
    // owner can undo it, and the child loses its hover.
    observer.calls.clear();
    Hover(list.get(), InRow(0, 50));
    EXPECT_EQ(0, list->GetHoverIndex());
    EXPECT_EQ(0, list->GetHoverChild());
    EXPECT_FALSE(button->State() & StateHover);
    EXPECT_EQ(std::vector<int32_t>({2, 0}), observer.FilledRows(ListRowHover));

    // Below the last row nothing is hovered.
    Hover(list.get(), POINT{50, 119});
    EXPECT_EQ(-1, list->GetHoverIndex());

    Hover(list.get(), InRow(1, 37));
    EXPECT_EQ(kSmallButtonId, list->GetHoverChild());
    Send(list.get(), host.Get(), WM_MOUSELEAVE, 0, 0, 0);
    EXPECT_EQ(-1, list->GetHoverIndex());
    EXPECT_EQ(0, list->GetHoverChild());
}

TEST_F(ListCtrl, HoverOnAnEmptyListDoesNothing)
{
    auto list = Make(0);
    observer.calls.clear();
    Hover(list.get(), InRow(0));
    EXPECT_EQ(-1, list->GetHoverIndex());
    EXPECT_TRUE(observer.calls.empty());
}

TEST_F(ListCtrl, SelectionWithCtrlAndShift)
{
    auto list = Make(3);
    list->SetMultiSelect(true);
    Click(list.get(), InRow(2));
    EXPECT_EQ(std::vector<int32_t>({2}), list->SelectedRows());
    EXPECT_EQ(2, list->GetPressedRow());
    {
        HeldKeys shift(false, true);
        Click(list.get(), InRow(0));
    }
    EXPECT_EQ(std::vector<int32_t>({2, 1, 0}), list->SelectedRows());
    {
        HeldKeys ctrl(true, false);
        Click(list.get(), InRow(1));
    }
    EXPECT_EQ(std::vector<int32_t>({2, 0}), list->SelectedRows());
    {
        HeldKeys ctrl(true, false);
        Click(list.get(), InRow(1));
    }
    EXPECT_EQ(std::vector<int32_t>({2, 0, 1}), list->SelectedRows());
    Click(list.get(), InRow(1));
    EXPECT_EQ(std::vector<int32_t>({1}), list->SelectedRows());
    EXPECT_EQ(1, list->GetHoverIndex());

    // Without multi-select the keys are ignored.
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
    Send(list.get(), host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, 75, 95);
    CBkWindow* button = list->Template()->FindChildById(kButtonId);
    EXPECT_TRUE(button->State() & StatePushDown);
    // The press fills the row as selected and hovered.
    ASSERT_FALSE(observer.calls.empty());
    EXPECT_EQ(2, observer.calls.back().row);
    EXPECT_EQ(ListRowSelectedHover, observer.calls.back().state);
    EXPECT_TRUE(host.log.clicks.empty());
    Send(list.get(), host.Get(), WM_LBUTTONUP, 0, 76, 96);
    ASSERT_EQ(1u, host.log.clicks.size());
    EXPECT_EQ(1u, host.log.clicks[0].code);
    EXPECT_EQ(static_cast<uint32_t>(kButtonId), host.log.clicks[0].itemId);
    EXPECT_EQ("dlg", host.log.clicks[0].itemClass);
    EXPECT_FALSE(button->State() & StatePushDown);
    EXPECT_EQ(std::vector<int32_t>({2}), list->SelectedRows());

    // Released over another row: no notification, and no pushed state left.
    Send(list.get(), host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, 75, 95);
    Send(list.get(), host.Get(), WM_LBUTTONUP, 0, 75, 35);
    EXPECT_EQ(1u, host.log.clicks.size());
    EXPECT_FALSE(button->State() & StatePushDown);

    // Released beside the child in the same row: nothing either.
    Send(list.get(), host.Get(), WM_LBUTTONDOWN, MK_LBUTTON, 75, 95);
    Send(list.get(), host.Get(), WM_LBUTTONUP, 0, 50, 95);
    EXPECT_EQ(1u, host.log.clicks.size());

    // A child without an id, or the row background, sends nothing.
    Click(list.get(), InRow(0, 10));
    Click(list.get(), InRow(0, 50));
    EXPECT_EQ(1u, host.log.clicks.size());

    // A disabled child is not pressed.
    button->ModifyState(StateDisabled, 0);
    Click(list.get(), InRow(0, 75));
    EXPECT_EQ(1u, host.log.clicks.size());
    button->ModifyState(0, StateDisabled);
    // The small button has its own id.
    Click(list.get(), InRow(1, 37));
    ASSERT_EQ(2u, host.log.clicks.size());
    EXPECT_EQ(static_cast<uint32_t>(kSmallButtonId), host.log.clicks[1].itemId);
}

TEST_F(ListCtrl, DoubleClickTellsTheObserverTheRow)
{
    auto list = Make(3);
    observer.calls.clear();
    Send(list.get(), host.Get(), WM_LBUTTONDBLCLK, MK_LBUTTON, 50, 65);
    ASSERT_EQ(1u, observer.calls.size());
    EXPECT_EQ(ListEventDoubleClick, observer.calls[0].code);
    EXPECT_EQ(1, observer.calls[0].row);
    EXPECT_EQ(1, list->GetHoverIndex());
    // Below the last row the observer hears of it too, with no row.
    observer.calls.clear();
    Send(list.get(), host.Get(), WM_LBUTTONDBLCLK, MK_LBUTTON, 50, 119);
    ASSERT_EQ(1u, observer.calls.size());
    EXPECT_EQ(ListEventDoubleClick, observer.calls[0].code);
    EXPECT_EQ(-1, observer.calls[0].row);
}

TEST_F(ListCtrl, HelpersOnTemplateChildrenAnswerZeroForUnknownIds)
{
    auto list = Make(1);
    CBkWindow* button = list->Template()->FindChildById(kButtonId);
    EXPECT_EQ(1, list->SetChildAttribute(kButtonId, "crbg", "0000FF"));
    EXPECT_EQ(0xFF0000u, button->Style().crbg);  // stored blue first
    EXPECT_EQ(1, list->SetChildAttributeUInt(kButtonId, "id", 777u));
    EXPECT_EQ(button, list->Template()->FindChildById(777));
    EXPECT_EQ(1, list->SetChildAttributeUInt(777, "id", kButtonId));
    EXPECT_EQ(1, list->SetChildText(kButtonId, L"安装"));
    EXPECT_EQ(L"安装", button->Text());
    EXPECT_EQ(1, list->ShowChild(kButtonId, false));
    EXPECT_FALSE(button->IsVisible(false));
    EXPECT_EQ(1, list->ShowChild(kButtonId, true));
    EXPECT_TRUE(button->IsVisible(false));
    EXPECT_EQ(0, list->GetChildCheck(kButtonId));
    EXPECT_EQ(1, list->SetChildCheck(kButtonId, true));
    EXPECT_EQ(1, list->GetChildCheck(kButtonId));
    EXPECT_EQ(1, list->SetChildCheck(kButtonId, false));
    EXPECT_EQ(0, list->GetChildCheck(kButtonId));
    EXPECT_EQ(1, list->SetChildTip(kButtonId, L"卸载"));
    EXPECT_EQ(L"卸载", button->Tip());

    EXPECT_EQ(0, list->SetChildAttribute(999, "crbg", "000000"));
    EXPECT_EQ(0, list->SetChildAttributeUInt(999, "id", 1));
    EXPECT_EQ(0, list->SetChildText(999, L"x"));
    EXPECT_EQ(0, list->ShowChild(999, true));
    EXPECT_EQ(0, list->SetChildCheck(999, true));
    EXPECT_EQ(0, list->GetChildCheck(999));
    EXPECT_EQ(0, list->SetChildTip(999, L"x"));
    EXPECT_EQ(0, list->ShowChild(0, true));
}

TEST_F(ListCtrl, NotifyHostSendsTheListMessage)
{
    auto list = Make(1);
    EXPECT_EQ(42, list->NotifyHost(7));
    ASSERT_EQ(1u, host.log.listMessages.size());
    EXPECT_EQ(7, host.log.listMessages[0]);
    CBkListCtrl unhosted;
    EXPECT_EQ(0, unhosted.NotifyHost(7));
}

TEST_F(ListCtrl, ExplicitRowsOfTheirOwnHeight)
{
    auto list = Make(0);
    auto tall = std::make_unique<ListRowRecord>();
    tall->height = 50;
    list->AppendItem(nullptr);
    list->AppendItem(std::move(tall));
    list->AppendItem(nullptr);
    EXPECT_EQ(110, list->GetTotalHeight());
    EXPECT_EQ(0, list->HitTest(POINT{50, 50}));
    EXPECT_EQ(1, list->HitTest(POINT{50, 100}));
    EXPECT_EQ(2, list->HitTest(POINT{50, 101}));
    Canvas canvas(100, 140);
    list->SetSelectedIndex(1);
    list->RedrawRegion(canvas.Dc(), nullptr);
    EXPECT_EQ(0x8FC9ECu, canvas.At(50, 99));
    EXPECT_EQ(0xFFFFFFu, canvas.At(50, 102));
}

}  // namespace
