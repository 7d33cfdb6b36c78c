// Inline tags of rich text and their line breaking, measured one pixel per
// character (bold two) and ten pixels high (bold twelve).
#include <gtest/gtest.h>

#include "toolkit/XmlDocument.h"
#include "toolkit/controls/RichTextModel.h"

namespace {

std::vector<RichRun> Parse(const std::string& xml)
{
    TiXmlDocument doc;
    return ParseXmlText(xml.c_str(), &doc) ? ParseRichText(doc.RootElement()) : std::vector<RichRun>{};
}

void Measure(const RichRun& run, const std::wstring& text, int32_t* w, int32_t* h)
{
    *w = static_cast<int32_t>(text.size()) * (run.format.bold ? 2 : 1);
    *h = run.format.bold ? 12 : 10;
}

}  // namespace

TEST(RichTextParse, TagsFormatsLinksAndBlanks)
{
    auto runs = Parse("<richtext>a<b>b<i>c</i></b><u>d</u><c color=\"FF0000\">e</c><br/><a id=\"42\">go</a>"
                      "<a>x</a><span>\xE5\xAE\x89</span></richtext>");
    ASSERT_EQ(9u, runs.size());
    EXPECT_FALSE(runs[0].format.bold || ColourIsSet(runs[0].format.colour));
    EXPECT_TRUE(runs[1].format.bold && !runs[1].format.italic);
    EXPECT_TRUE(runs[2].format.bold && runs[2].format.italic);
    EXPECT_TRUE(runs[3].format.underline && !runs[3].format.bold);
    EXPECT_EQ(0x0000FFu, runs[4].format.colour);  // red in the low byte
    EXPECT_TRUE(runs[5].lineBreak && runs[5].text.empty());
    EXPECT_EQ(42, runs[6].format.linkId);
    EXPECT_TRUE(runs[7].format.link && runs[7].format.linkId == 0);
    EXPECT_EQ(L"\u5B89", runs[8].text);  // unknown tags keep their text

    EXPECT_EQ(L"see  ", Parse("<richtext>see  <b>x</b></richtext>")[0].text);
    EXPECT_EQ(L"see ", Parse("<richtext>see&#32;<b>x</b></richtext>")[0].text);
    // A piece of blanks alone between two tags is dropped.
    EXPECT_EQ(2u, Parse("<richtext><b>a</b>&#32;<i>b</i></richtext>").size());

    std::string open, close;
    for (int i = 0; i < 5000; ++i)
        open += "<b>", close += "</b>";
    EXPECT_TRUE(Parse("<richtext>" + open + "deep" + close + "</richtext>").empty());  // cut off, no harm
    EXPECT_TRUE(ParseRichText(nullptr).empty());
}

TEST(RichTextLayout, WrapsLineHeightsAndLinks)
{
    std::vector<RichRun> words(1);
    words[0].text = L"aaa bbb ccc";
    auto pieces = LayoutRichText(words, 9, &Measure);
    ASSERT_EQ(3u, pieces.size());
    EXPECT_EQ(4, pieces[1].rect.left);  // "aaa bbb " is 8 wide: fits in 9
    EXPECT_EQ(0, pieces[2].rect.left);
    EXPECT_EQ(10, pieces[2].rect.top);

    words[0].text = L"abcdefghij k";  // an overlong word stays alone on its line
    pieces = LayoutRichText(words, 4, &Measure);
    ASSERT_EQ(2u, pieces.size());
    EXPECT_EQ(11, pieces[0].rect.right);
    EXPECT_EQ(10, pieces[1].rect.top);

    auto runs = Parse("<richtext>ab&#32;<b>cd</b><br/><br/>e</richtext>");
    pieces = LayoutRichText(runs, 100, &Measure);
    ASSERT_EQ(3u, pieces.size());
    EXPECT_EQ(3, pieces[1].rect.left);
    EXPECT_EQ(22, pieces[2].rect.top);  // a 12-high line, then an empty one of 10

    runs = Parse("<richtext>see&#32;<a id=\"7\">here</a>&#32;and&#32;<a>there</a></richtext>");
    pieces = LayoutRichText(runs, 100, &Measure);
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 1, 5));
    EXPECT_EQ(7, RichLinkAt(runs, pieces, 4, 0));
    EXPECT_EQ(7, RichLinkAt(runs, pieces, 7, 9));
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 15, 5));  // a link without an id
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 5, 10));  // below the line
}
