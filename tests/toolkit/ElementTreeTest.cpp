#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ElementTestSupport.h"
#include "toolkit/BkFontPool.h"
#include "toolkit/BkString.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/StylePool.h"

using namespace element_test;

namespace {

const char kStyles[] =
    "<style><class name=\"m\" x-margin=\"5\" y-margin=\"4\"/>"
    "<class name=\"red\" crtext=\"FF0000\" font=\"0104\"/></style>";

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

TEST_F(ElementTree, PlacesChildrenByPosInsideTheMargins)
{
    auto root = LoadDialog(kLayout);
    ASSERT_EQ(5u, root->ChildCount());  // "div" and "br" are skipped
    Place(root.get(), 0, 0, 380, 225);
    ExpectRect(root->Rect(), 0, 0, 380, 225, "root");
    ExpectRect(root->FindChildById(1)->Rect(), 339, 5, 374, 40, "far-edge box");
    ExpectRect(root->FindChildById(2)->Rect(), 5, 4, 5, 4, "three items: origin");
    ExpectRect(root->FindChildById(3)->Rect(), 140, 112, 240, 221, "centred");
    ExpectRect(root->FindChildById(10)->Rect(), 15, 104, 115, 204, "nested dlg");
    ExpectRect(root->FindChildById(11)->Rect(), 20, 109, 30, 119, "nested child");
    ExpectRect(root->FindChildById(4)->Rect(), 5, 4, 375, 221, "full size fills the span");
}

TEST_F(ElementTree, HitTestFindsTheTopmostUsableChild)
{
    auto root = LoadDialog(kLayout);
    Place(root.get(), 0, 0, 380, 225);
    EXPECT_EQ(root->FindChildById(1)->Handle(), root->HitTest(350, 20, 0));
    EXPECT_EQ(root->FindChildById(3)->Handle(), root->HitTest(200, 150, 0));
    EXPECT_EQ(root->FindChildById(11)->Handle(), root->HitTest(25, 112, 0));
    EXPECT_EQ(root->FindChildById(10)->Handle(), root->HitTest(60, 150, 0));
    EXPECT_EQ(root->FindChildById(4)->Handle(), root->HitTest(50, 50, 0));
    EXPECT_EQ(root->Handle(), root->HitTest(2, 2, 0));
    // Right and bottom edges lie outside.
    EXPECT_EQ(0u, root->HitTest(380, 10, 0));
    EXPECT_EQ(0u, root->HitTest(-1, 10, 0));
}

TEST_F(ElementTree, FloatingFirstHiddenAndTransparentSkipped)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\">"
        "<leaf id=\"22\" show=\"0\" width=\"full\" height=\"full\"/>"
        "<leaf id=\"23\" transparent=\"1\" width=\"full\" height=\"full\"/>"
        "<leaf id=\"20\" width=\"full\" height=\"full\"/>"
        "<leaf id=\"21\" float=\"1\" width=\"10\" height=\"10\"/>"
        "</dlg>");
    Place(root.get(), 0, 0, 100, 100);
    CBkWindow* hidden = root->FindChildById(22);
    EXPECT_FALSE(hidden->IsVisible(false));
    EXPECT_TRUE(root->FindChildById(21)->IsFloating());
    ExpectRect(root->FindChildById(21)->Rect(), 0, 0, 10, 10, "fixed size");
    EXPECT_EQ(root->FindChildById(21)->Handle(), root->HitTest(5, 5, 0));
    EXPECT_EQ(root->FindChildById(20)->Handle(), root->HitTest(50, 50, 0));
    hidden->SetVisible(true);
    EXPECT_EQ(hidden->Handle(), root->HitTest(50, 50, 0));
}

TEST_F(ElementTree, FindChildByIdPrefersDirectChildren)
{
    auto root = LoadDialog(
        "<dlg><dlg id=\"10\"><text id=\"30\"/></dlg><leaf id=\"30\"/></dlg>");
    CBkWindow* found = root->FindChildById(30);
    ASSERT_NE(nullptr, found);
    EXPECT_STREQ("leaf", found->GetClassName());
    EXPECT_EQ(nullptr, root->FindChildById(999));
    auto* inner = static_cast<CBkContainerWnd*>(root->FindChildById(10));
    EXPECT_STREQ("text", inner->FindChildById(30)->GetClassName());
}

TEST_F(ElementTree, ChildrenKnowTheirParentByHandleAndLeaveTheRegistry)
{
    auto root = LoadDialog(kLayout);
    CBkWindow* nested = root->FindChildById(11);
    EXPECT_EQ(root->FindChildById(10), nested->GetParent());
    EXPECT_EQ(root.get(), nested->GetParent()->GetParent());
    ElementHandle h = nested->Handle();
    ASSERT_EQ(nested, ElementRegistry::Instance().Find(h));
    LRESULT r = 0;
    root->ProcessMessage(nullptr, WM_DESTROY, 0, 0, &r);
    EXPECT_EQ(0u, root->ChildCount());
    EXPECT_EQ(nullptr, ElementRegistry::Instance().Find(h));
}

TEST_F(ElementTree, LoadingAgainReplacesTheChildren)
{
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText("<dlg><leaf id=\"1\"/><leaf id=\"2\"/></dlg>", &doc));
    CBkDialog dlg;
    dlg.Load(doc.RootElement());
    dlg.Load(doc.RootElement());
    EXPECT_EQ(2u, dlg.ChildCount());
}

TEST_F(ElementTree, VisibilityPassesDownTheTree)
{
    auto root = LoadDialog(
        "<dlg><dlg id=\"40\"><leaf id=\"41\"/><leaf id=\"42\" show=\"0\"/></dlg><leaf id=\"43\"/></dlg>");
    auto* a = static_cast<CBkDialog*>(root->FindChildById(40));
    auto* b = static_cast<Leaf*>(root->FindChildById(41));
    auto* c = static_cast<Leaf*>(root->FindChildById(42));
    auto* d = static_cast<Leaf*>(root->FindChildById(43));
    LRESULT r = 0;
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, FALSE, 0, &r);
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, TRUE, 0, &r);
    EXPECT_EQ((std::vector<bool>{false, true}), b->shownCalls);
    EXPECT_EQ((std::vector<bool>{false, false}), c->shownCalls);
    EXPECT_EQ((std::vector<bool>{false, true}), d->shownCalls);

    a->ProcessMessage(nullptr, WM_SHOWWINDOW, FALSE, 0, &r);
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, TRUE, 0, &r);
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), b->shownCalls);
    EXPECT_TRUE(b->IsVisible(false));
    EXPECT_FALSE(b->IsVisible(true));
}

TEST_F(ElementTree, DisabledStateReachesDescendants)
{
    auto root = LoadDialog("<dlg><dlg id=\"40\"><leaf id=\"41\"/></dlg></dlg>");
    CBkWindow* a = root->FindChildById(40);
    CBkWindow* b = root->FindChildById(41);
    EXPECT_EQ(0u, a->ModifyState(StateDisabled | StateHover, 0));
    EXPECT_EQ(StateDisabled | StateHover, a->ModifyState(StateHover, StateHover));
    EXPECT_EQ(static_cast<uint32_t>(StateDisabled), a->State());
    EXPECT_FALSE(b->IsDisabled(false));
    EXPECT_TRUE(b->IsDisabled(true));
}

TEST(CreateElement, BuiltInContainersComeBeforeTheFactory)
{
    LeafFactory first;
    ControlsFactory::Register(&first);
    auto dlg = CreateElement("dlg");
    ASSERT_NE(nullptr, dlg);
    EXPECT_TRUE(dlg->IsContainer());
    EXPECT_EQ(0, first.calls);
    EXPECT_STREQ("text", CreateElement("text")->GetClassName());
    EXPECT_EQ(nullptr, CreateElement("Dlg"));  // tags are case-sensitive
    EXPECT_EQ(nullptr, CreateElement("div"));
    EXPECT_EQ(nullptr, CreateElement(nullptr));

    LeafFactory second;
    ControlsFactory::Register(&second);
    int before = first.calls;
    CreateElement("leaf");
    EXPECT_EQ(before, first.calls);
    EXPECT_EQ(1, second.calls);

    // Without a factory the built-in kind makes the tag.
    ControlsFactory::Register(nullptr);
    std::unique_ptr<CBkWindow> builtIn = CreateElement("text");
    ASSERT_NE(nullptr, builtIn);
    EXPECT_STREQ("text", builtIn->GetClassName());
    EXPECT_EQ(nullptr, dynamic_cast<Leaf*>(builtIn.get()));
}

TEST_F(ElementTree, CommonAttributeResultCodes)
{
    Leaf e("leaf");
    EXPECT_EQ(kAttrApplied, e.SetAttribute("class", "red", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("id", "20003", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("crbg", "FFFFFF", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("font", "0004", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("href", "http://x/", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("tip", "提示", true));
    EXPECT_EQ(kAttrApplied, e.SetAttribute("valign", "middle", true));
    EXPECT_EQ(kAttrNotRecognised, e.SetAttribute("valign", "centre", true));
    EXPECT_EQ(kAttrApplied, e.SetAttribute("align", "right", true));
    EXPECT_EQ(kAttrNotRecognised, e.SetAttribute("align", "middle", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("pos", "1,2", true));
    EXPECT_EQ(kAttrRepaint, e.SetAttribute("transparent", "1", true));
    EXPECT_EQ(kAttrNotRecognised, e.SetAttribute("textmode", "25", true));
    EXPECT_EQ(20003, e.Id());
    EXPECT_EQ(L"提示", e.Tip());
    EXPECT_EQ(kValignMiddle, e.Valign());
    EXPECT_EQ(kAlignRight, e.Align());
    EXPECT_EQ(1, e.Transparent());
    EXPECT_EQ(SizeContent, WidthMode(e.LayoutFlags()));
}

TEST_F(ElementTree, AttributesApplyInDocumentOrder)
{
    auto root = LoadDialog(
        "<dlg><leaf id=\"1\" crtext=\"00FF00\" class=\"red\"/><leaf id=\"2\" class=\"red\" crtext=\"00FF00\"/>"
        "<leaf id=\"3\" class=\"nosuchstyle\"/></dlg>");
    EXPECT_EQ(0x0000FFu, root->FindChildById(1)->Style().crtext);
    EXPECT_EQ(0x00FF00u, root->FindChildById(2)->Style().crtext);
    const BkStyle& fallback = root->FindChildById(3)->Style();
    EXPECT_FALSE(ColourIsSet(fallback.crtext));
    EXPECT_FALSE(fallback.font.set);
}

TEST_F(ElementTree, TextTokensAreReplacedOnLoad)
{
    BkString::Instance().Set(1, L"Arial");
    auto root = LoadDialog("<dlg><leaf id=\"1\">%str1% \xE5\xAE\x89%str</leaf></dlg>");
    EXPECT_EQ(L"Arial 安%str", root->FindChildById(1)->Text());
}

TEST_F(ElementTree, TwoItemPosMeasuresTheTextPlusMargins)
{
    ASSERT_TRUE(StylePool::Instance().LoadDocument(
        "<style><class name=\"t\" font=\"0104\" x-margin=\"3\" y-margin=\"2\"/></style>"));
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" class=\"t\" pos=\"10,20\">Hello</leaf></dlg>");
    Place(root.get(), 0, 0, 300, 200);
    CBkWindow* e = root->FindChildById(1);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, BkFontPool::Instance().GetFont(0x0104));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, L"Hello", 5, &extent);
    SelectObject(dc, old);
    DeleteDC(dc);

    ExpectRect(e->Rect(), 10, 20, 10 + extent.cx + 6, 20 + extent.cy + 4, "text box");
}

TEST_F(ElementTree, SettingPosAfterLoadingPlacesTheChildAgain)
{
    auto root = LoadDialog("<dlg class=\"m\" pos=\"0,0,-0,-0\"><leaf id=\"1\" pos=\"0,0,10,10\"/></dlg>");
    Place(root.get(), 0, 0, 100, 100);
    CBkWindow* e = root->FindChildById(1);
    e->SetAttribute("pos", "|0,|0,|10,|10", false);
    ExpectRect(e->Rect(), 50, 50, 60, 60, "re-placed");
}

TEST_F(ElementTree, RandomLayoutsNeverCrash)
{
    std::mt19937 rng(4242);
    const std::string seed = kLayout;
    const std::string alphabet = "<>/=\" dlgleaftextidposwhfull0123456789,-|_";
    for (int i = 0; i < 400; ++i) {
        std::string doc = seed;
        for (int e = 0; e < 1 + static_cast<int>(rng() % 5); ++e) {
            size_t at = rng() % (doc.size() + 1);
            switch (rng() % 3) {
            case 0: doc.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
            case 1: if (at < doc.size()) doc.erase(at, 1 + rng() % 8); break;
            default: doc.resize(at); break;
            }
        }
        auto root = LoadDialog(doc);
        Place(root.get(), 0, 0, 380, 225);
        root->HitTest(static_cast<int>(rng() % 400), static_cast<int>(rng() % 250), 0);
        root->FindChildById(static_cast<int>(rng() % 12));
    }
}

TEST_F(ElementTree, MouseMovesReachVisibleChildrenUnderThePoint)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" pos=\"0,0,50,50\"/><leaf id=\"2\" pos=\"25,25,75,75\"/>"
        "<leaf id=\"3\" pos=\"0,0,-0,-0\" show=\"0\"/></dlg>");
    Place(root.get(), 0, 0, 100, 100);
    auto count = [](CBkWindow* w) {
        auto& m = static_cast<Leaf*>(w)->messages;
        return std::count(m.begin(), m.end(), static_cast<UINT>(WM_MOUSEMOVE));
    };
    LRESULT r = 0;
    root->ProcessMessage(nullptr, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30), &r);
    root->ProcessMessage(nullptr, WM_MOUSEMOVE, 0, MAKELPARAM(60, 60), &r);
    EXPECT_EQ(1, count(root->FindChildById(1)));
    EXPECT_EQ(2, count(root->FindChildById(2)));
    EXPECT_EQ(0, count(root->FindChildById(3)));
    EXPECT_TRUE(root->Handled());
}

TEST_F(ElementTree, WordBreakTextMeasuresSeveralLines)
{
    ASSERT_TRUE(StylePool::Instance().LoadDocument(
        "<style><class name=\"one\" textmode=\"20\"/><class name=\"wrap\" textmode=\"10\"/></style>"));
    Leaf one("leaf"), wrap("leaf");
    one.SetAttribute("class", "one", true);
    wrap.SetAttribute("class", "wrap", true);
    one.SetText(L"alpha beta gamma delta epsilon");
    wrap.SetText(L"alpha beta gamma delta epsilon");
    SIZE line = one.Measure(60, 10, TRUE);
    SIZE lines = wrap.Measure(60, 10, TRUE);
    EXPECT_GT(line.cx, 60);  // single line ignores the width
    EXPECT_LE(lines.cx, 60);
    EXPECT_GE(lines.cy, 3 * line.cy);
}

TEST_F(ElementTree, HoverFontOfAnAncestorMeasuresHoveredText)
{
    ASSERT_TRUE(StylePool::Instance().LoadDocument("<style><class name=\"h\" hoverfont=\"0A00\"/></style>"));
    auto root = LoadDialog("<dlg class=\"h\"><leaf id=\"1\">Hello</leaf></dlg>");
    auto* e = static_cast<Leaf*>(root->FindChildById(1));
    SIZE plain = e->Measure(0, 0, FALSE);
    e->ModifyState(StateHover, 0);
    SIZE hovered = e->Measure(0, 0, FALSE);
    EXPECT_GT(hovered.cy, plain.cy);
    EXPECT_GT(hovered.cx, plain.cx);
}

TEST_F(ElementTree, EmptyTextMeasuresAsTheMargins)
{
    ASSERT_TRUE(StylePool::Instance().LoadDocument("<style><class name=\"mm\" x-margin=\"3\" y-margin=\"2\"/></style>"));
    auto root = LoadDialog("<dlg><leaf id=\"1\" class=\"mm\"/></dlg>");
    ExpectRect(root->FindChildById(1)->Rect(), 0, 0, 6, 4, "margins only");
}

TEST_F(ElementTree, DialogFileTakesTheRootOfAnotherLayout)
{
    auto root = LoadDialog("<dlg pos=\"0,0,-0,-0\"><dlgfile id=\"50\" src=\"206\" pos=\"10,10,-10,-10\">"
                           "<leaf id=\"51\"/></dlgfile></dlg>");
    auto* file = static_cast<CBkContainerWnd*>(root->FindChildById(50));
    ASSERT_NE(nullptr, file);
    EXPECT_STREQ("dlgfile", file->GetClassName());
    ASSERT_EQ(1u, file->ChildCount());  // its own XML children are not read
    EXPECT_EQ(nullptr, root->FindChildById(51));
    CBkWindow* inner = file->ChildAt(0);
    EXPECT_STREQ("dlg", inner->GetClassName());
    EXPECT_EQ(file, inner->GetParent());
    Place(root.get(), 0, 0, 100, 100);
    ExpectRect(inner->Rect(), 10, 10, 30, 30, "resource root inside the dlgfile");
    ExpectRect(root->FindChildById(61)->Rect(), 12, 12, 14, 14, "its child");
}

TEST_F(ElementTree, DialogFileWithoutSourceFailsAndMissingResourceLeavesItEmpty)
{
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText("<dlgfile id=\"1\"><leaf/></dlgfile>", &doc));
    auto noSrc = CreateElement("dlgfile");
    EXPECT_FALSE(noSrc->Load(doc.RootElement()));
    EXPECT_EQ(1, noSrc->Id());

    for (const char* xml : {"<dlgfile src=\"999\"/>", "<dlgfile src=\"204\"/>", "<dlgfile src=\"x\"/>"}) {
        ASSERT_TRUE(ParseXmlText(xml, &doc));
        auto file = CreateElement("dlgfile");
        EXPECT_TRUE(file->Load(doc.RootElement())) << xml;
        EXPECT_EQ(0u, static_cast<CBkContainerWnd*>(file.get())->ChildCount()) << xml;
    }
}

TEST_F(ElementTree, DialogFileRowRootHoldsChildrenAndSelfReferenceEnds)
{
    auto row = LoadDialog("<dlg><dlgfile id=\"80\" src=\"208\"/></dlg>");
    ASSERT_NE(nullptr, row->FindChildById(81));
    EXPECT_TRUE(row->FindChildById(81)->GetParent()->IsContainer());

    // 207 names itself: loading stops at a bounded depth instead of recursing.
    auto self = LoadDialog("<dlg><dlgfile id=\"70\" src=\"207\"/></dlg>");
    int depth = 0;
    for (CBkContainerWnd* c = self.get(); c && c->ChildCount() == 1; ++depth) {
        CBkWindow* next = c->ChildAt(0);
        c = next->IsContainer() ? static_cast<CBkContainerWnd*>(next) : nullptr;
    }
    EXPECT_GT(depth, 2);
    EXPECT_LT(depth, 100);
}

TEST_F(ElementTree, DialogFilePassesVisibilityToItsChild)
{
    auto root = LoadDialog("<dlg><dlgfile id=\"50\" src=\"206\"/></dlg>");
    auto* leaf = static_cast<Leaf*>(root->FindChildById(61));
    ASSERT_NE(nullptr, leaf);
    LRESULT r = 0;
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, FALSE, 0, &r);
    root->ProcessMessage(nullptr, WM_SHOWWINDOW, TRUE, 0, &r);
    EXPECT_EQ((std::vector<bool>{false, true}), leaf->shownCalls);
}

TEST(CreateElement, DialogFileIsBuiltIn)
{
    LeafFactory factory;
    ControlsFactory::Register(&factory);
    auto made = CreateElement("dlgfile");
    ControlsFactory::Register(nullptr);
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsContainer());
    EXPECT_TRUE(made->IsClass("dlgfile"));
    EXPECT_FALSE(made->IsClass("dlg"));
    EXPECT_EQ(0, factory.calls);
}

TEST_F(ElementTree, HiddenContainerTakesItsChildrenOutOfHitTesting)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\"><dlg id=\"2\" show=\"0\" pos=\"0,0,50,50\"><leaf id=\"3\" pos=\"0,0,-0,-0\"/></dlg>"
        "<leaf id=\"1\" pos=\"0,0,-0,-0\"/></dlg>");
    Place(root.get(), 0, 0, 100, 100);
    CBkWindow* inner = root->FindChildById(3);
    EXPECT_TRUE(inner->IsVisible(false));
    EXPECT_FALSE(inner->IsVisible(true));
    // Children answer in list order; the hidden one is passed over.
    EXPECT_EQ(root->FindChildById(1)->Handle(), root->HitTest(10, 10, 0));
    root->FindChildById(2)->SetVisible(true);
    EXPECT_EQ(inner->Handle(), root->HitTest(10, 10, 0));
}

TEST_F(ElementTree, NewTextRefitsAContentSizedElementFromItsCorner)
{
    auto root = LoadDialog(
        "<dlg pos=\"0,0,-0,-0\"><leaf id=\"1\" pos=\"10,20\">ab</leaf><leaf id=\"2\" pos=\"0,0,30,30\">ab</leaf>"
        "<leaf id=\"3\" width=\"40\">ab</leaf></dlg>");
    Place(root.get(), 0, 0, 300, 200);
    CBkWindow* grows = root->FindChildById(1);
    RECT before = grows->Rect();
    grows->SetText(L"a much longer text");
    grows->FitToContent();
    EXPECT_EQ(10, grows->Rect().left);
    EXPECT_EQ(20, grows->Rect().top);
    EXPECT_GT(grows->Rect().right, before.right);
    grows->SetText(L"");
    grows->FitToContent();
    ExpectRect(grows->Rect(), 10, 20, 10, 20, "empty text, no margins");

    CBkWindow* boxed = root->FindChildById(2);
    boxed->SetText(L"a much longer text");
    boxed->FitToContent();
    ExpectRect(boxed->Rect(), 0, 0, 30, 30, "four-item pos keeps its box");

    // Fixed width stays; only the content-sized height follows the text.
    CBkWindow* fixed = root->FindChildById(3);
    fixed->SetText(L"a much longer text");
    fixed->FitToContent();
    EXPECT_EQ(40, fixed->Rect().right - fixed->Rect().left);
    EXPECT_GT(fixed->Rect().bottom, fixed->Rect().top);
}
