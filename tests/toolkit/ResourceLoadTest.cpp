// Layout resources and the style and string documents.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "toolkit/BkString.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"

TEST(LoadXmlResource, CopiesTheBytesAddsAZeroAndFindsTypesWithoutCase)
{
    std::vector<char> buffer;
    ASSERT_TRUE(LoadXmlResource(202, &buffer));
    EXPECT_EQ('\0', buffer.back());
    EXPECT_EQ(0, std::strncmp(buffer.data(), "<string>", 8));
    EXPECT_EQ(buffer.size() - 1, std::strlen(buffer.data()));
    EXPECT_TRUE(LoadResourceBytes(GetModuleHandleW(nullptr), L"XmL", 202, &buffer));
    ASSERT_TRUE(LoadXmlResource(203, &buffer));  // with a byte order mark
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText(buffer.data(), &doc));
    EXPECT_STREQ("dlg", doc.RootElement()->Value());

    EXPECT_FALSE(LoadXmlResource(999, &buffer));
    EXPECT_TRUE(buffer.empty());
    EXPECT_FALSE(LoadResourceBytes(GetModuleHandleW(nullptr), L"png", 201, &buffer));
    buffer.assign(3, 'x');
    EXPECT_FALSE(LoadXmlResource(209, &buffer));  // exists but holds no bytes
    EXPECT_TRUE(buffer.empty());
}

TEST(LoadStylesAndStrings, FillFromTheResourceAndFailSafely)
{
    ASSERT_TRUE(LoadStyles(201));
    EXPECT_EQ(4u, StylePool::Instance().Count());
    EXPECT_EQ(0x0000FFu, StylePool::Instance().GetStyle("labeltext").crtext);
    EXPECT_EQ(kCursorHand, StylePool::Instance().GetStyle("linktext").cursor);
    for (unsigned id : {999u, 204u, 209u}) {  // missing, broken, empty
        ASSERT_TRUE(LoadStyles(201));
        EXPECT_FALSE(LoadStyles(id)) << id;
        EXPECT_EQ(1u, StylePool::Instance().Count()) << "only the default is left";
    }
    ASSERT_TRUE(LoadStrings(202));
    EXPECT_EQ(L"安装", GetString(7));
    for (unsigned id : {205u, 204u, 999u, 209u})  // wrong root, broken, missing, empty
        EXPECT_FALSE(LoadStrings(id)) << id;
    EXPECT_EQ(L"Arial", GetString(1));
}
