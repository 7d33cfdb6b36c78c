#include <gtest/gtest.h>

#include <string>

#include "toolkit/BkString.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlDocument.h"

// The skins and row documents write attribute values without quotes; the
// parser must end such a value at white space, "/" or ">".
TEST(ParseXmlText, UnquotedValuesEndAtSpaceSlashOrBracket)
{
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText("<skins><png name=closeonlybtn src=101 subwidth=35/><x show=0/>"
                             "<y a=1>t</y></skins>",
                             &doc));
    const TiXmlElement* png = doc.RootElement()->FirstChildElement("png");
    ASSERT_NE(nullptr, png);
    EXPECT_STREQ("closeonlybtn", png->Attribute("name"));
    EXPECT_STREQ("101", png->Attribute("src"));
    EXPECT_STREQ("35", png->Attribute("subwidth"));
    int show = -1;
    ASSERT_NE(nullptr, doc.RootElement()->FirstChildElement("x")->Attribute("show", &show));
    EXPECT_EQ(0, show);
    const TiXmlElement* y = doc.RootElement()->FirstChildElement("y");
    EXPECT_STREQ("1", y->Attribute("a"));
    EXPECT_STREQ("t", y->GetText());
}

TEST(ParseXmlText, ByteOrderMarkIsOptionalAndTextStaysUtf8)
{
    const std::string body = "<string><s id=\"1\">\xE5\xAE\x89\xE8\xA3\x85</s></string>";
    for (const std::string& text : {body, "\xEF\xBB\xBF" + body, "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" + body}) {
        TiXmlDocument doc;
        ASSERT_TRUE(ParseXmlText(text.c_str(), &doc)) << text;
        EXPECT_STREQ("string", doc.RootElement()->Value());
        EXPECT_STREQ("\xE5\xAE\x89\xE8\xA3\x85", doc.RootElement()->FirstChildElement("s")->GetText());
    }
}

TEST(ParseXmlText, BrokenOrEmptyDocumentsAreRefused)
{
    TiXmlDocument doc;
    EXPECT_FALSE(ParseXmlText(nullptr, &doc));
    EXPECT_FALSE(ParseXmlText("", &doc));
    EXPECT_FALSE(ParseXmlText("   ", &doc));
    EXPECT_FALSE(ParseXmlText("\xEF\xBB\xBF", &doc));
    EXPECT_FALSE(ParseXmlText("<style><class name=\"a\"", &doc));
    EXPECT_FALSE(ParseXmlText("<a></b>", &doc));
    // A closing quote without an opening one is an error, not a value.
    EXPECT_FALSE(ParseXmlText("<a b=c\"/>", &doc));
    // A document parsed before is dropped, not kept.
    ASSERT_TRUE(ParseXmlText("<a/>", &doc));
    EXPECT_FALSE(ParseXmlText("<a", &doc));
    EXPECT_EQ(nullptr, doc.RootElement());
}

TEST(ParseXmlText, ElementTextKeepsItsBlanks)
{
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText("<layer><text id=\"20010\">\xE5\xAE\x89  \xE8\xA3\x85</text><t> a   b </t></layer>", &doc));
    EXPECT_STREQ("\xE5\xAE\x89  \xE8\xA3\x85", doc.RootElement()->FirstChildElement("text")->GetText());
    EXPECT_STREQ(" a   b ", doc.RootElement()->FirstChildElement("t")->GetText());
}

// Only a declaration or a comment: it parses, has no root, and each loader
// treats it as a document with the wrong root (the string table refuses it,
// the styles count as loaded).
TEST(ParseXmlText, ADocumentWithoutARootParses)
{
    const char* rootless = "<?xml version=\"1.0\"?><!-- nothing -->";
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText(rootless, &doc));
    EXPECT_EQ(nullptr, doc.RootElement());
    EXPECT_FALSE(BkString::Instance().LoadDocument(rootless));
    EXPECT_TRUE(StylePool::Instance().LoadDocument(rootless));
}
