#include <gtest/gtest.h>

#include <map>

#include "toolkit/BkString.h"
#include "toolkit/StringSubst.h"

namespace {

std::wstring Subst(const std::wstring& text)
{
    static const std::map<int, std::wstring> table = {{1, L"Arial"}, {2, L"%str1%"}, {12, L"十二"}};
    return SubstituteStringTokens(text, [](int id, std::wstring* out) {
        auto it = table.find(id);
        if (it == table.end())
            return false;
        *out = it->second;
        return true;
    });
}

}  // namespace

TEST(StringTokens, ReplacedLeftToRight)
{
    EXPECT_EQ(L"font Arial", Subst(L"font %str1%"));
    EXPECT_EQ(L"Arial/十二/Arial", Subst(L"%str1%/%str12%/%str1%"));
    EXPECT_EQ(L"no tokens", Subst(L"no tokens"));
}

TEST(StringTokens, InsertedTextIsNotScannedAgain)
{
    EXPECT_EQ(L"[%str1%]", Subst(L"[%str2%]"));
}

TEST(StringTokens, UnknownIdGivesEmptyText)
{
    EXPECT_EQ(L"ab", Subst(L"a%str99%b"));
}

TEST(StringTokens, BadTokenStopsAndLeavesTheRest)
{
    EXPECT_EQ(L"x %str0% %str1%", Subst(L"x %str0% %str1%"));
    EXPECT_EQ(L"Arial %str", Subst(L"%str1% %str"));
    EXPECT_EQ(L"Arial %str1", Subst(L"%str1% %str1"));
    EXPECT_EQ(L"%str-1%", Subst(L"%str-1%"));
    EXPECT_EQ(L"%str%", Subst(L"%str%"));
}

TEST(BkStringTable, LoadsIdsAndTexts)
{
    BkString table;
    ASSERT_TRUE(table.LoadDocument(
        "\xEF\xBB\xBF<string><s id=\"1\">Arial</s><s id=2>\xE5\xAE\x89\xE8\xA3\x85</s><s>no id</s>"
        "<s id=\"3\"></s><x id=\"4\">skip</x></string>"));
    std::wstring text;
    ASSERT_TRUE(table.Get(1, &text));
    EXPECT_EQ(L"Arial", text);
    ASSERT_TRUE(table.Get(2, &text));
    EXPECT_EQ(L"安装", text);
    ASSERT_TRUE(table.Get(3, &text));
    EXPECT_EQ(L"", text);
    EXPECT_FALSE(table.Get(4, &text));
    EXPECT_EQ(3u, table.Count());
}

TEST(BkStringTable, LoadingAddsAndReplacesWithoutEmptying)
{
    BkString table;
    ASSERT_TRUE(table.LoadDocument("<string><s id=\"1\">a</s><s id=\"2\">b</s></string>"));
    ASSERT_TRUE(table.LoadDocument("<string><s id=\"2\">c</s></string>"));
    std::wstring text;
    ASSERT_TRUE(table.Get(1, &text));
    EXPECT_EQ(L"a", text);
    ASSERT_TRUE(table.Get(2, &text));
    EXPECT_EQ(L"c", text);
}

TEST(BkStringTable, WrongRootOrBrokenXmlIsRefused)
{
    BkString table;
    EXPECT_FALSE(table.LoadDocument("<strings><s id=\"1\">a</s></strings>"));
    EXPECT_FALSE(table.LoadDocument("<string><s id=\"1\">a</s>"));
    EXPECT_FALSE(table.LoadDocument(""));
    EXPECT_FALSE(table.LoadDocument(nullptr));
    EXPECT_EQ(0u, table.Count());
}

TEST(BkStringTable, ProcessTableFeedsTheSubstitution)
{
    BkString::Instance().Set(1, L"Arial");
    EXPECT_EQ(L"Arial!", SubstituteStringTokens(std::wstring(L"%str1%!")));
    EXPECT_EQ(L"Arial", GetString(1));
    EXPECT_EQ(L"", GetString(424242));
}
