// "%strN%" tokens and the string table they come from.
#include <gtest/gtest.h>

#include <map>

#include "toolkit/BkString.h"
#include "toolkit/StringSubst.h"

TEST(StringTokens, ReplacedLeftToRightOnceUnknownOnesEmptyBadOnesStopTheScan)
{
    static const std::map<int, std::wstring> table = {{1, L"Arial"}, {2, L"%str1%"}, {12, L"十二"}};
    auto subst = [](const std::wstring& text) {
        return SubstituteStringTokens(text, [](int id, std::wstring* out) {
            auto it = table.find(id);
            return it != table.end() && (*out = it->second, true);
        });
    };
    const struct {
        const wchar_t *in, *out;
    } cases[] = {
        {L"%str1%/%str12%/%str1%", L"Arial/十二/Arial"}, {L"no tokens", L"no tokens"},
        {L"[%str2%]", L"[%str1%]"} /* inserted text is not scanned again */,
        {L"a%str99%b", L"ab"},    {L"x %str0% %str1%", L"x %str0% %str1%"},
        {L"%str1% %str", L"Arial %str"}, {L"%str1% %str1", L"Arial %str1"},
        {L"%str-1%", L"%str-1%"}, {L"%str%", L"%str%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, subst(c.in)) << c.in;
}

TEST(BkStringTable, LoadsIdsAndTextsAddingAndReplacingAndRefusesOtherDocuments)
{
    BkString table;
    ASSERT_TRUE(table.LoadDocument(
        "\xEF\xBB\xBF<string><s id=\"1\">Arial</s><s id=2>\xE5\xAE\x89\xE8\xA3\x85</s><s>no id</s>"
        "<s id=\"3\"></s><x id=\"4\">skip</x></string>"));
    EXPECT_EQ(3u, table.Count());
    ASSERT_TRUE(table.LoadDocument("<string><s id=\"3\">c</s></string>"));
    for (const char* doc : {"<strings><s id=\"4\">a</s></strings>", "<string><s id=\"4\">a</s>", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(table.LoadDocument(doc)) << (doc ? doc : "null");
    const struct {
        int id;
        const wchar_t* text;
    } texts[] = {{1, L"Arial"}, {2, L"安装"}, {3, L"c"}};
    for (const auto& t : texts) {
        std::wstring text;
        ASSERT_TRUE(table.Get(t.id, &text)) << t.id;
        EXPECT_EQ(t.text, text);
    }
    std::wstring none;
    EXPECT_FALSE(table.Get(4, &none));
    BkString::Instance().Set(1, L"Arial");  // the process table feeds the substitution
    EXPECT_EQ(L"Arial!", SubstituteStringTokens(std::wstring(L"%str1%!")));
    EXPECT_EQ(L"", GetString(424242));
}
