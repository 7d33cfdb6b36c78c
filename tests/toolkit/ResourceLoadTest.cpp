#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "toolkit/BkFontPool.h"
#include "toolkit/BkString.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"

TEST(LoadXmlResource, CopiesTheBytesAndAddsAZero)
{
    std::vector<char> buffer;
    ASSERT_TRUE(LoadXmlResource(202, &buffer));
    ASSERT_FALSE(buffer.empty());
    EXPECT_EQ('\0', buffer.back());
    EXPECT_EQ(0, std::strncmp(buffer.data(), "<string>", 8));
    EXPECT_EQ(buffer.size() - 1, std::strlen(buffer.data()));
}

TEST(LoadXmlResource, TypeNamesCompareWithoutCase)
{
    std::vector<char> buffer;
    EXPECT_TRUE(LoadXmlResource(201, &buffer));
    EXPECT_TRUE(LoadXmlResource(203, &buffer));
    EXPECT_TRUE(LoadResourceBytes(GetModuleHandleW(nullptr), L"XmL", 202, &buffer));
}

TEST(LoadXmlResource, MissingResourceLeavesTheBufferEmpty)
{
    std::vector<char> buffer(5, 'x');
    EXPECT_FALSE(LoadXmlResource(999, &buffer));
    EXPECT_TRUE(buffer.empty());
    EXPECT_FALSE(LoadResourceBytes(GetModuleHandleW(nullptr), L"png", 201, &buffer));
    EXPECT_TRUE(buffer.empty());
    // 209 exists but holds no bytes.
    buffer.assign(3, 'x');
    EXPECT_FALSE(LoadXmlResource(209, &buffer));
    EXPECT_TRUE(buffer.empty());
    EXPECT_FALSE(LoadStyles(209));
    EXPECT_FALSE(LoadStrings(209));
}

TEST(LoadXmlResource, ByteOrderMarkDocumentParses)
{
    std::vector<char> buffer;
    ASSERT_TRUE(LoadXmlResource(203, &buffer));
    EXPECT_EQ('\xEF', buffer[0]);
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText(buffer.data(), &doc));
    EXPECT_STREQ("dlg", doc.RootElement()->Value());
}

TEST(LoadStyles, FillsThePoolFromTheResource)
{
    ASSERT_TRUE(LoadStyles(201));
    StylePool& pool = StylePool::Instance();
    EXPECT_EQ(4u, pool.Count());
    EXPECT_EQ(0x0000FFu, pool.GetStyle("labeltext").crtext);
    EXPECT_EQ(kCursorHand, pool.GetStyle("linktext").cursor);
}

TEST(LoadStyles, MissingOrBrokenDocumentLeavesOnlyTheDefault)
{
    ASSERT_TRUE(LoadStyles(201));
    EXPECT_FALSE(LoadStyles(999));
    EXPECT_EQ(1u, StylePool::Instance().Count());
    ASSERT_TRUE(LoadStyles(201));
    EXPECT_FALSE(LoadStyles(204));
    EXPECT_EQ(1u, StylePool::Instance().Count());
    EXPECT_TRUE(LoadStyles(205));  // parses; wrong root adds nothing
    EXPECT_EQ(1u, StylePool::Instance().Count());
}

TEST(LoadStrings, ReadsUtf8Texts)
{
    ASSERT_TRUE(LoadStrings(202));
    EXPECT_EQ(L"Arial", GetString(1));
    EXPECT_EQ(L"安装", GetString(7));
    EXPECT_FALSE(LoadStrings(205));
    EXPECT_FALSE(LoadStrings(204));
    EXPECT_FALSE(LoadStrings(999));
    EXPECT_EQ(L"Arial", GetString(1));
}

namespace {
LOGFONTW FontOf(HFONT font)
{
    LOGFONTW lf = {};
    GetObjectW(font, sizeof(lf), &lf);
    return lf;
}
}  // namespace

TEST(BkFontPool, CodesBecomeFontsOfTheBaseDescription)
{
    BkFontPool pool;
    pool.SetDefaultFont(L"Tahoma", -12);
    LOGFONTW base = FontOf(pool.GetFont(0));
    EXPECT_EQ(-12, base.lfHeight);
    EXPECT_STREQ(L"Tahoma", base.lfFaceName);
    EXPECT_EQ(CLEARTYPE_NATURAL_QUALITY, base.lfQuality);

    LOGFONTW big = FontOf(pool.GetFont(0x0104));
    EXPECT_EQ(-13, big.lfHeight);
    EXPECT_EQ(FW_BOLD, big.lfWeight);
    EXPECT_FALSE(big.lfItalic);
    EXPECT_STREQ(L"Tahoma", big.lfFaceName);

    LOGFONTW styled = FontOf(pool.GetFont(0x0503));
    EXPECT_EQ(-17, styled.lfHeight);
    EXPECT_EQ(FW_NORMAL, styled.lfWeight);
    EXPECT_TRUE(styled.lfItalic);
    EXPECT_TRUE(styled.lfUnderline);
    EXPECT_EQ(CLEARTYPE_NATURAL_QUALITY, styled.lfQuality);
}

TEST(BkFontPool, FontsAreCachedPerCode)
{
    BkFontPool pool;
    HFONT a = pool.GetFont(0x0400);
    ASSERT_NE(nullptr, a);
    EXPECT_EQ(a, pool.GetFont(0x0400));
    EXPECT_NE(a, pool.GetFont(0x0004));
}

TEST(BkFontPool, SetDefaultFontRebuildsOnlyCodeZero)
{
    BkFontPool pool;
    pool.SetDefaultFont(L"Tahoma", -12);
    HFONT other = pool.GetFont(0x0004);
    pool.SetDefaultFont(L"Arial", -20);
    LOGFONTW base = FontOf(pool.GetFont(0));
    EXPECT_EQ(-20, base.lfHeight);
    EXPECT_STREQ(L"Arial", base.lfFaceName);
    EXPECT_EQ(other, pool.GetFont(0x0004));
    EXPECT_EQ(-12, FontOf(other).lfHeight);
    // New codes follow the new base.
    EXPECT_EQ(-21, FontOf(pool.GetFont(0x0100)).lfHeight);
}
