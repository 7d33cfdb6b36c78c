#include <gtest/gtest.h>

#include "toolkit/BkString.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/StylePool.h"

TEST(BkStyle, Defaults)
{
    BkStyle s;
    EXPECT_FALSE(ColourIsSet(s.crbg));
    EXPECT_FALSE(ColourIsSet(s.crtext));
    EXPECT_EQ(0xCCCCCCu, s.crdisabled);
    EXPECT_EQ(0x24u, s.textmode);
    EXPECT_FALSE(s.font.set);
    EXPECT_EQ(20, s.linespacing);
    EXPECT_EQ(kCursorArrow, s.cursor);
    EXPECT_TRUE(s.skin.empty());
}

TEST(BkStyle, ResultCodes)
{
    BkStyle s;
    EXPECT_EQ(kAttrRepaint, s.SetAttribute("crbg", "FFFFFF", true));
    EXPECT_EQ(kAttrRepaint, s.SetAttribute("crdisabled", "808080", true));
    EXPECT_EQ(kAttrApplied, s.SetAttribute("textmode", "8030", true));
    EXPECT_EQ(kAttrApplied, s.SetAttribute("font", "0104", true));
    EXPECT_EQ(kAttrApplied, s.SetAttribute("x-margin", "3", true));
    EXPECT_EQ(kAttrApplied, s.SetAttribute("thumb", "AppPackageSBarThumb", true));
    EXPECT_EQ(kAttrApplied, s.SetAttribute("name", "n", true));
    EXPECT_EQ(kAttrRepaint, s.SetAttribute("cursor", "hand", true));
    EXPECT_EQ(kAttrNotRecognised, s.SetAttribute("cursor", "wait", true));
    EXPECT_EQ(kAttrNotRecognised, s.SetAttribute("colour", "FFFFFF", true));
    EXPECT_EQ(kCursorHand, s.cursor);
    EXPECT_EQ(0x8030u, s.textmode);
    EXPECT_EQ(0x0104, s.font.code);
    EXPECT_EQ(0x808080u, s.crdisabled);
}

TEST(BkStyle, MarginSetsBothAndJunkFontIsTheDefaultFont)
{
    BkStyle s;
    s.SetAttribute("margin", "6", true);
    EXPECT_EQ(6, s.xMargin);
    EXPECT_EQ(6, s.yMargin);
    s.SetAttribute("font", "0x0104", true);
    EXPECT_TRUE(s.font.set);
    EXPECT_EQ(0, s.font.code);
}

TEST(StylePool, LoadsClassesInDocumentOrder)
{
    StylePool pool;
    ASSERT_TRUE(pool.LoadDocument(
        "<style><class name=\"linktext\" crtext=006DBA cursor=\"hand\" textmode=\"8030\"/>"
        "<class crtext=\"FF0000\"/>"
        "<class name=\"linktext\" font=\"0004\"/>"
        "<other name=\"x\" crtext=\"00FF00\"/></style>"));
    EXPECT_EQ(2u, pool.Count());  // default + linktext
    const BkStyle& s = pool.GetStyle("linktext");
    EXPECT_EQ(0xBA6D00u, s.crtext);
    EXPECT_EQ(kCursorHand, s.cursor);
    EXPECT_EQ(0x4, s.font.code);
    EXPECT_EQ("linktext", s.name);
    EXPECT_FALSE(pool.Has("x"));
}

TEST(StylePool, UnknownNameGivesTheDefaultStyle)
{
    StylePool pool;
    ASSERT_TRUE(pool.LoadDocument("<style><class name=\"a\" crbg=\"FFFFFF\"/></style>"));
    const BkStyle& s = pool.GetStyle("nope");
    EXPECT_FALSE(ColourIsSet(s.crbg));
    EXPECT_TRUE(s.name.empty());
}

TEST(StylePool, LoadingEmptiesThePool)
{
    StylePool pool;
    ASSERT_TRUE(pool.LoadDocument("<style><class name=\"a\"/></style>"));
    ASSERT_TRUE(pool.LoadDocument("<style><class name=\"b\"/></style>"));
    EXPECT_FALSE(pool.Has("a"));
    EXPECT_TRUE(pool.Has("b"));
}

TEST(StylePool, WrongRootCountsAsLoadedButAddsNothing)
{
    StylePool pool;
    EXPECT_TRUE(pool.LoadDocument("<styles><class name=\"a\"/></styles>"));
    EXPECT_EQ(1u, pool.Count());
    EXPECT_TRUE(pool.Has(""));
}

TEST(StylePool, BrokenDocumentLeavesOnlyTheDefault)
{
    StylePool pool;
    ASSERT_TRUE(pool.LoadDocument("<style><class name=\"a\"/></style>"));
    EXPECT_FALSE(pool.LoadDocument("<style><class name=\"a\""));
    EXPECT_EQ(1u, pool.Count());
    EXPECT_FALSE(pool.LoadDocument(""));
    EXPECT_EQ(1u, pool.Count());
}

TEST(StylePool, UnquotedValuesEndAtSpaceSlashOrBracket)
{
    StylePool pool;
    ASSERT_TRUE(pool.LoadDocument(
        "\xEF\xBB\xBF<style><class name=a x-margin=35/><class name=b y-margin=4 textmode=850>"
        "</class></style>"));
    EXPECT_EQ(35, pool.GetStyle("a").xMargin);
    EXPECT_EQ(4, pool.GetStyle("b").yMargin);
    EXPECT_EQ(0x850u, pool.GetStyle("b").textmode);
}

namespace {

// Built before main, so destroyed after every function-local static: the
// process-wide tables must still answer then, as they do for windows and
// elements torn down at exit (the sanitizer build sees a destroyed table).
struct UsesTheTablesAtExit {
    ~UsesTheTablesAtExit()
    {
        std::wstring text;
        BkString::Instance().Get(1, &text);
        StylePool::Instance().GetStyle("x");
        ElementRegistry::Instance().Find(1);
    }
} g_usesTheTablesAtExit;

}  // namespace

TEST(ProcessTables, AreInUseBeforeExit)
{
    // Made before the object above is destroyed.
    StylePool::Instance().LoadDocument("<style><class name=\"x\" crtext=\"FF0000\"/></style>");
    BkString::Instance().Set(1, L"Arial");
    EXPECT_TRUE(StylePool::Instance().Has("x"));
}
