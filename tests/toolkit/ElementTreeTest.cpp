// The element tree's attributes and text measuring; placement, hit testing
// and visibility are what the end-to-end tests click through.
#include <gtest/gtest.h>

#include "ElementTestSupport.h"
#include "toolkit/BkFontPool.h"
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

}  // namespace

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

    auto root = LoadDialog(
        "<dlg><leaf id=\"1\" crtext=\"00FF00\" class=\"red\"/><leaf id=\"2\" class=\"red\" crtext=\"00FF00\"/>"
        "<leaf id=\"3\" class=\"nosuchstyle\">\xE5\xAE\x89</leaf></dlg>");
    EXPECT_EQ(0x0000FFu, root->FindChildById(1)->Style().crtext);
    EXPECT_EQ(0x00FF00u, root->FindChildById(2)->Style().crtext);
    EXPECT_FALSE(ColourIsSet(root->FindChildById(3)->Style().crtext));
    EXPECT_EQ(L"安", root->FindChildById(3)->Text());
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
