// The "list" element under Wine: template loading and its attributes, fill
// calls for visible rows only, and row classes in the pixels.
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

}  // namespace
