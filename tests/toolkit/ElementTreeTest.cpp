// The element tree: loading, placement by pos, hit testing, visibility and
// state passing down, attributes and measuring text.
#include <gtest/gtest.h>

#include "ElementTestSupport.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/BkString.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/StylePool.h"

using namespace element_test;

namespace {

const char kStyles[] =
    "<style><class name=\"m\" x-margin=\"5\" y-margin=\"4\"/><class name=\"red\" crtext=\"FF0000\" font=\"0104\"/>"
    "<class name=\"t\" font=\"0104\" x-margin=\"3\" y-margin=\"2\"/><class name=\"h\" hoverfont=\"0A00\"/>"
    "<class name=\"one\" textmode=\"20\"/><class name=\"wrap\" textmode=\"10\"/></style>";

class ElementTree : public WithLeafFactory {
protected:
    void SetUp() override
    {
        WithLeafFactory::SetUp();
        ASSERT_TRUE(StylePool::Instance().LoadDocument(kStyles));
    }
};

const char kLayout[] =
    "<dlg class=\"m\" pos=\"0,0,-0,-0\">"
    "<leaf id=\"1\" pos=\"-36,1,-1,36\"/>"
    "<leaf id=\"2\" pos=\"1,2,3\"/>"
    "<leaf id=\"3\" pos=\"|-50,|0,|50,-0\"/>"
    "<div id=\"9\"/><br/>"
    "<dlg id=\"10\" pos=\"10,100,110,200\"><leaf id=\"11\" pos=\"5,5,15,15\"/></dlg>"
    "<text id=\"4\" width=\"full\" height=\"full\"/>"
    "</dlg>";

}  // namespace

TEST_F(ElementTree, PlacesChildrenByPosInsideTheMarginsAndHitTestsTheTopmost)
{
    auto root = LoadDialog(kLayout);
    ASSERT_EQ(5u, root->ChildCount());  // "div" and "br" are skipped
    Place(root.get(), 0, 0, 380, 225);
    ExpectRect(root->FindChildById(1)->Rect(), 339, 5, 374, 40, "far-edge box");
    ExpectRect(root->FindChildById(2)->Rect(), 5, 4, 5, 4, "three items: origin");
    ExpectRect(root->FindChildById(3)->Rect(), 140, 112, 240, 221, "centred");
    ExpectRect(root->FindChildById(10)->Rect(), 15, 104, 115, 204, "nested dlg");
    ExpectRect(root->FindChildById(11)->Rect(), 20, 109, 30, 119, "nested child");
    ExpectRect(root->FindChildById(4)->Rect(), 5, 4, 375, 221, "full size fills the span");
    const struct {
        int x, y, id;
    } hits[] = {{350, 20, 1}, {200, 150, 3}, {25, 112, 11}, {60, 150, 10}, {50, 50, 4}, {2, 2, 0}};
    for (const auto& h : hits) {
        CBkWindow* expected = h.id ? root->FindChildById(h.id) : root.get();
        EXPECT_EQ(expected->Handle(), root->HitTest(h.x, h.y, 0)) << h.x << "," << h.y;
    }
    EXPECT_EQ(0u, root->HitTest(380, 10, 0));  // right and bottom edges lie outside
    EXPECT_EQ(0u, root->HitTest(-1, 10, 0));

    CBkWindow* e = root->FindChildById(11);
    e->SetAttribute("pos", "|0,|0,|10,|10", false);  // placed again at once
    ExpectRect(e->Rect(), 65, 154, 75, 164, "re-placed");
}

TEST_F(ElementTree, HitTestingTakesFloatingFirstAndSkipsHiddenAndTransparent)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\">"
        "<dlg id=\"30\" show=\"0\" pos=\"0,60,50,100\"><leaf id=\"31\" pos=\"0,0,-0,-0\"/></dlg>"
        "<leaf id=\"22\" show=\"0\" width=\"full\" height=\"full\"/>"
        "<leaf id=\"23\" transparent=\"1\" width=\"full\" height=\"full\"/>"
        "<leaf id=\"20\" width=\"full\" height=\"full\"/>"
        "<leaf id=\"21\" float=\"1\" width=\"10\" height=\"10\"/></dlg>");
    Place(root.get(), 0, 0, 100, 100);
    ExpectRect(root->FindChildById(21)->Rect(), 0, 0, 10, 10, "fixed size");
    EXPECT_EQ(root->FindChildById(21)->Handle(), root->HitTest(5, 5, 0));
    EXPECT_EQ(root->FindChildById(20)->Handle(), root->HitTest(50, 50, 0));
    EXPECT_EQ(root->FindChildById(20)->Handle(), root->HitTest(10, 70, 0)) << "a hidden container's children";
    CBkWindow* inner = root->FindChildById(31);
    EXPECT_TRUE(inner->IsVisible(false));
    EXPECT_FALSE(inner->IsVisible(true));
    root->FindChildById(30)->SetVisible(true);
    EXPECT_EQ(inner->Handle(), root->HitTest(10, 70, 0));
    root->FindChildById(22)->SetVisible(true);
    EXPECT_EQ(root->FindChildById(22)->Handle(), root->HitTest(50, 50, 0));
}

TEST_F(ElementTree, FindByIdParentsRegistryAndLoadingAgain)
{
    auto root = LoadDialog("<dlg><dlg id=\"10\"><text id=\"30\"/></dlg><leaf id=\"30\"/></dlg>");
    EXPECT_STREQ("leaf", root->FindChildById(30)->GetClassName());  // direct children first
    EXPECT_EQ(nullptr, root->FindChildById(999));
    auto* inner = static_cast<CBkContainerWnd*>(root->FindChildById(10));
    CBkWindow* nested = inner->FindChildById(30);
    EXPECT_STREQ("text", nested->GetClassName());
    EXPECT_EQ(root.get(), nested->GetParent()->GetParent());
    ElementHandle h = nested->Handle();
    ASSERT_EQ(nested, ElementRegistry::Instance().Find(h));
    LRESULT r = 0;
    root->ProcessMessage(nullptr, WM_DESTROY, 0, 0, &r);
    EXPECT_EQ(0u, root->ChildCount());
    EXPECT_EQ(nullptr, ElementRegistry::Instance().Find(h));

    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText("<dlg><leaf id=\"1\"/><leaf id=\"2\"/></dlg>", &doc));
    CBkDialog dlg;
    dlg.Load(doc.RootElement());
    dlg.Load(doc.RootElement());
    EXPECT_EQ(2u, dlg.ChildCount()) << "loading again replaces the children";
}

TEST_F(ElementTree, VisibilityAndDisabledStatePassDownTheTree)
{
    auto root = LoadDialog(
        "<dlg><dlg id=\"40\"><leaf id=\"41\"/><leaf id=\"42\" show=\"0\"/></dlg><leaf id=\"43\"/></dlg>");
    auto* a = static_cast<CBkDialog*>(root->FindChildById(40));
    auto* b = static_cast<Leaf*>(root->FindChildById(41));
    auto* c = static_cast<Leaf*>(root->FindChildById(42));
    auto* d = static_cast<Leaf*>(root->FindChildById(43));
    EXPECT_EQ(0u, a->ModifyState(StateDisabled | StateHover, 0));
    EXPECT_EQ(StateDisabled | StateHover, a->ModifyState(StateHover, StateHover));
    EXPECT_EQ(static_cast<uint32_t>(StateDisabled), a->State());
    EXPECT_FALSE(b->IsDisabled(false));
    EXPECT_TRUE(b->IsDisabled(true));

    LRESULT r = 0;
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, FALSE, 0, &r);
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, TRUE, 0, &r);
    EXPECT_EQ((std::vector<bool>{false, true}), b->shownCalls);
    EXPECT_EQ((std::vector<bool>{false, false}), c->shownCalls);
    EXPECT_EQ((std::vector<bool>{false, true}), d->shownCalls);
    a->ProcessMessage(nullptr, WM_SHOWWINDOW, FALSE, 0, &r);
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, TRUE, 0, &r);
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), b->shownCalls);
    EXPECT_FALSE(b->IsVisible(true));
}

TEST_F(ElementTree, AttributesApplyInDocumentOrderAndUnknownWordsChangeNothing)
{
    Leaf e("leaf");
    for (const auto& [name, value] : std::initializer_list<std::pair<const char*, const char*>>{
             {"class", "red"}, {"id", "20003"}, {"tip", "提示"}, {"valign", "middle"}, {"valign", "centre"},
             {"align", "right"}, {"align", "middle"}, {"pos", "1,2"}})
        e.SetAttribute(name, value, true);
    EXPECT_EQ(20003, e.Id());
    EXPECT_EQ(L"提示", e.Tip());
    EXPECT_EQ(kValignMiddle, e.Valign());
    EXPECT_EQ(kAlignRight, e.Align());
    EXPECT_EQ(SizeContent, WidthMode(e.LayoutFlags()));

    BkString::Instance().Set(1, L"Arial");
    auto root = LoadDialog(
        "<dlg><leaf id=\"1\" crtext=\"00FF00\" class=\"red\"/><leaf id=\"2\" class=\"red\" crtext=\"00FF00\"/>"
        "<leaf id=\"3\" class=\"nosuchstyle\">%str1% \xE5\xAE\x89%str</leaf></dlg>");
    EXPECT_EQ(0x0000FFu, root->FindChildById(1)->Style().crtext);
    EXPECT_EQ(0x00FF00u, root->FindChildById(2)->Style().crtext);
    EXPECT_FALSE(ColourIsSet(root->FindChildById(3)->Style().crtext));
    EXPECT_EQ(L"Arial 安%str", root->FindChildById(3)->Text()) << "tokens replaced on load";
}

TEST_F(ElementTree, ContentSizedElementsMeasureTheirTextPlusMargins)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"t\" pos=\"10,20\">Hello</leaf>"
                           "<leaf id=\"2\" class=\"t\"/><dlg class=\"h\"><leaf id=\"3\">Hello</leaf></dlg></dlg>");
    Place(root.get(), 0, 0, 300, 200);
    ScopedMemDC dc(nullptr);
    HGDIOBJ old = SelectObject(dc, BkFontPool::Instance().GetFont(0x0104));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, L"Hello", 5, &extent);
    SelectObject(dc, old);
    ExpectRect(root->FindChildById(1)->Rect(), 10, 20, 10 + extent.cx + 6, 20 + extent.cy + 4, "text box");
    ExpectRect(root->FindChildById(2)->Rect(), 0, 0, 6, 4, "empty text: the margins");

    auto* hovered = static_cast<Leaf*>(root->FindChildById(3));  // an ancestor's hover font
    SIZE plain = hovered->Measure(0, 0, FALSE);
    hovered->ModifyState(StateHover, 0);
    SIZE big = hovered->Measure(0, 0, FALSE);
    EXPECT_GT(big.cy, plain.cy);
    EXPECT_GT(big.cx, plain.cx);

    Leaf one("leaf"), wrap("leaf");
    one.SetAttribute("class", "one", true);
    wrap.SetAttribute("class", "wrap", true);
    one.SetText(L"alpha beta gamma delta epsilon");
    wrap.SetText(L"alpha beta gamma delta epsilon");
    SIZE line = one.Measure(60, 10, TRUE), lines = wrap.Measure(60, 10, TRUE);
    EXPECT_GT(line.cx, 60);  // single line ignores the width
    EXPECT_LE(lines.cx, 60);
    EXPECT_GE(lines.cy, 3 * line.cy);
}

TEST_F(ElementTree, NewTextRefitsAContentSizedElementFromItsCorner)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" pos=\"10,20\">ab</leaf><leaf id=\"2\" pos=\"0,0,30,30\">ab</leaf>"
        "<leaf id=\"3\" width=\"40\">ab</leaf></dlg>");
    Place(root.get(), 0, 0, 300, 200);
    auto refit = [&](int id, const wchar_t* text) {
        CBkWindow* e = root->FindChildById(id);
        e->SetText(text);
        e->FitToContent();
        return e->Rect();
    };
    RECT before = root->FindChildById(1)->Rect();
    RECT grown = refit(1, L"a much longer text");
    EXPECT_EQ(10, grown.left);
    EXPECT_EQ(20, grown.top);
    EXPECT_GT(grown.right, before.right);
    ExpectRect(refit(1, L""), 10, 20, 10, 20, "empty text, no margins");
    ExpectRect(refit(2, L"a much longer text"), 0, 0, 30, 30, "four-item pos keeps its box");
    RECT fixed = refit(3, L"a much longer text");
    EXPECT_EQ(40, fixed.right - fixed.left);  // only the content-sized height follows
    EXPECT_GT(fixed.bottom, fixed.top);
}
