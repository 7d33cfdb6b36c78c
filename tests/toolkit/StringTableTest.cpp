// The string table the fonts' names come from.
#include <gtest/gtest.h>

#include "toolkit/BkString.h"

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
    BkString::Instance().Set(1, L"Arial");  // the process table names the fonts
    EXPECT_EQ(L"Arial", GetString(1));
    EXPECT_EQ(L"", GetString(424242));
}
