// Inline tags of rich text and their line breaking, measured one pixel per
// character (bold two) and ten pixels high.
#include <gtest/gtest.h>

#include "toolkit/XmlDocument.h"
#include "toolkit/controls/RichTextModel.h"

namespace {

std::vector<RichRun> Parse(const char* xml)
{
    TiXmlDocument doc;
    if (!ParseXmlText(xml, &doc))
        return {};
    return ParseRichText(doc.RootElement());
}

void Measure(const RichRun& run, const std::wstring& text, int32_t* w, int32_t* h)
{
    *w = static_cast<int32_t>(text.size()) * (run.format.bold ? 2 : 1);
    *h = run.format.bold ? 12 : 10;
}

}  // namespace

TEST(RichTextParse, InlineTagsSetTheirFormats)
{
    auto runs = Parse("<richtext>a<b>b<i>c</i></b><u>d</u><c color=\"FF0000\">e</c></richtext>");
    ASSERT_EQ(5u, runs.size());
    EXPECT_EQ(L"a", runs[0].text);
    EXPECT_FALSE(runs[0].format.bold);
    EXPECT_TRUE(runs[1].format.bold);
    EXPECT_FALSE(runs[1].format.italic);
    EXPECT_TRUE(runs[2].format.bold);
    EXPECT_TRUE(runs[2].format.italic);
    EXPECT_TRUE(runs[3].format.underline);
    EXPECT_FALSE(runs[3].format.bold);
    EXPECT_EQ(0x0000FFu, runs[4].format.colour);  // red first: R + G*256 + B*65536
    EXPECT_FALSE(ColourIsSet(runs[0].format.colour));
}

TEST(RichTextParse, LinksCarryTheirIdAndBreaksCarryNoText)
{
    auto runs = Parse("<richtext>x<br/><a id=\"42\">go</a><a>no id</a></richtext>");
    ASSERT_EQ(4u, runs.size());
    EXPECT_TRUE(runs[1].lineBreak);
    EXPECT_TRUE(runs[1].text.empty());
    EXPECT_TRUE(runs[2].format.link);
    EXPECT_EQ(42, runs[2].format.linkId);
    EXPECT_TRUE(runs[3].format.link);
    EXPECT_EQ(0, runs[3].format.linkId);
}

TEST(RichTextParse, UnknownTagsKeepTheirTextAndChineseSurvives)
{
    auto runs = Parse("<richtext><span>\xE5\xAE\x89\xE8\xA3\x85</span><b><q>z</q></b></richtext>");
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(L"\u5B89\u88C5", runs[0].text);
    EXPECT_TRUE(runs[1].format.bold);
    EXPECT_EQ(L"z", runs[1].text);
}

TEST(RichTextParse, BlanksBesideTagsAreKeptAsWritten)
{
    auto plain = Parse("<richtext>see  <b>x</b></richtext>");
    auto kept = Parse("<richtext>see&#32;<b>x</b></richtext>");
    ASSERT_EQ(2u, plain.size());
    ASSERT_EQ(2u, kept.size());
    EXPECT_EQ(L"see  ", plain[0].text);
    EXPECT_EQ(L"see ", kept[0].text);
    // A piece of blanks alone between two tags is dropped.
    auto between = Parse("<richtext><b>a</b>&#32;<i>b</i></richtext>");
    EXPECT_EQ(2u, between.size());
    auto inside = Parse("<richtext><b>a&#32;</b><i>b</i></richtext>");
    ASSERT_EQ(2u, inside.size());
    EXPECT_EQ(L"a ", inside[0].text);
}

TEST(RichTextParse, DeepNestingIsCutOffWithoutHarm)
{
    std::string xml = "<richtext>";
    for (int i = 0; i < 5000; ++i)
        xml += "<b>";
    xml += "deep";
    for (int i = 0; i < 5000; ++i)
        xml += "</b>";
    xml += "</richtext>";
    auto runs = Parse(xml.c_str());
    EXPECT_TRUE(runs.empty());
    EXPECT_TRUE(ParseRichText(nullptr).empty());
}

TEST(RichTextLayout, WordsWrapAtTheWidth)
{
    std::vector<RichRun> runs(1);
    runs[0].text = L"aaa bbb ccc";
    auto pieces = LayoutRichText(runs, 9, &Measure);
    ASSERT_EQ(3u, pieces.size());
    EXPECT_EQ(L"aaa ", pieces[0].text);
    EXPECT_EQ(0, pieces[0].rect.left);
    EXPECT_EQ(4, pieces[1].rect.left);  // "aaa bbb " is 8 wide: fits in 9
    EXPECT_EQ(0, pieces[1].rect.top);
    EXPECT_EQ(0, pieces[2].rect.left);  // "ccc" would pass 9
    EXPECT_EQ(10, pieces[2].rect.top);
}

TEST(RichTextLayout, OverlongWordStaysAloneOnItsLine)
{
    std::vector<RichRun> runs(1);
    runs[0].text = L"abcdefghij k";
    auto pieces = LayoutRichText(runs, 4, &Measure);
    ASSERT_EQ(2u, pieces.size());
    EXPECT_EQ(0, pieces[0].rect.top);
    EXPECT_EQ(11, pieces[0].rect.right);
    EXPECT_EQ(10, pieces[1].rect.top);
}

TEST(RichTextLayout, LineIsAsHighAsItsHighestPieceAndBreaksStartNewLines)
{
    auto runs = Parse("<richtext>ab&#32;<b>cd</b><br/><br/>e</richtext>");
    auto pieces = LayoutRichText(runs, 100, &Measure);
    ASSERT_EQ(3u, pieces.size());
    EXPECT_EQ(0, pieces[0].rect.top);
    EXPECT_EQ(10, pieces[0].rect.bottom);
    EXPECT_EQ(3, pieces[1].rect.left);
    EXPECT_EQ(7, pieces[1].rect.right);
    // first line 12 high, the empty line 10, so "e" starts at 22
    EXPECT_EQ(22, pieces[2].rect.top);
    EXPECT_EQ(0, pieces[2].rect.left);
}

TEST(RichTextLayout, LinkIdsAreFoundUnderThePoint)
{
    auto runs = Parse("<richtext>see&#32;<a id=\"7\">here</a>&#32;and&#32;<a>there</a></richtext>");
    auto pieces = LayoutRichText(runs, 100, &Measure);
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 1, 5));
    EXPECT_EQ(7, RichLinkAt(runs, pieces, 4, 0));
    EXPECT_EQ(7, RichLinkAt(runs, pieces, 7, 9));
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 8, 5));
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 15, 5));  // a link without an id
    EXPECT_EQ(0, RichLinkAt(runs, pieces, 5, 10));  // below the line
}
