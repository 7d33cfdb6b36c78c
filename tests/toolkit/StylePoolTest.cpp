// Style classes: attribute results and defaults, the styles document, and
// the process tables' lifetime.
#include <gtest/gtest.h>

#include "toolkit/BkString.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/StylePool.h"

TEST(StylePool, ClassesLoadInDocumentOrderAndEachLoadStartsAgain)
{
    StylePool pool;
    ASSERT_TRUE(pool.LoadDocument(
        "\xEF\xBB\xBF<style><class name=\"linktext\" crtext=006DBA cursor=\"hand\" textmode=8030/>"
        "<class crtext=\"FF0000\"/><class name=\"linktext\" font=\"0004\"/><other name=\"x\"/>"
        "<class name=a x-margin=35/></style>"));
    EXPECT_EQ(3u, pool.Count());  // default, linktext, a
    const BkStyle& s = pool.GetStyle("linktext");
    EXPECT_EQ(0xBA6D00u, s.crtext);
    EXPECT_EQ(kCursorHand, s.cursor);
    EXPECT_EQ(0x4, s.font.code);
    EXPECT_EQ(35, pool.GetStyle("a").xMargin) << "an unquoted value ends at the slash";
    EXPECT_FALSE(pool.Has("x"));
    EXPECT_TRUE(pool.GetStyle("nope").name.empty()) << "unknown names give the default";
    ASSERT_TRUE(pool.LoadDocument("<style><class name=\"b\"/></style>"));
    EXPECT_FALSE(pool.Has("a"));
    EXPECT_TRUE(pool.LoadDocument("<styles><class name=\"a\"/></styles>")) << "a wrong root counts as loaded";
    EXPECT_EQ(1u, pool.Count());
    ASSERT_TRUE(pool.LoadDocument("<style><class name=\"a\"/></style>"));
    EXPECT_FALSE(pool.LoadDocument("<style><class name=\"a\""));
    EXPECT_EQ(1u, pool.Count()) << "a broken document leaves only the default";
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
    StylePool::Instance().LoadDocument("<style><class name=\"x\" crtext=\"FF0000\"/></style>");
    BkString::Instance().Set(1, L"Arial");
    EXPECT_TRUE(StylePool::Instance().Has("x"));
}
