// The layouts' XML: unquoted values, byte order marks, kept blanks, and
// documents that are broken, empty or rootless.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/BkString.h"
#include "toolkit/StylePool.h"
#include "toolkit/XmlDocument.h"

TEST(ParseXmlText, UnquotedValuesBomsAndBlanks)
{
    TiXmlDocument doc;
    ASSERT_TRUE(ParseXmlText("<skins><png name=closeonlybtn src=101 subwidth=35/><x show=0/>"
                             "<y a=1>t</y><t> a   b </t></skins>",
                             &doc));
    const TiXmlElement* png = doc.RootElement()->FirstChildElement("png");
    EXPECT_STREQ("closeonlybtn", png->Attribute("name"));
    EXPECT_STREQ("35", png->Attribute("subwidth"));  // ends at the slash
    EXPECT_STREQ("0", doc.RootElement()->FirstChildElement("x")->Attribute("show"));
    EXPECT_STREQ("1", doc.RootElement()->FirstChildElement("y")->Attribute("a"));  // and at the bracket
    EXPECT_STREQ(" a   b ", doc.RootElement()->FirstChildElement("t")->GetText());
    const std::string body = "<string><s id=\"1\">\xE5\xAE\x89  \xE8\xA3\x85</s></string>";
    for (const std::string& text : {body, "\xEF\xBB\xBF" + body, "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" + body}) {
        ASSERT_TRUE(ParseXmlText(text.c_str(), &doc)) << text;
        EXPECT_STREQ("\xE5\xAE\x89  \xE8\xA3\x85", doc.RootElement()->FirstChildElement("s")->GetText());
    }
}

TEST(ParseXmlText, BrokenEmptyAndRootlessDocuments)
{
    TiXmlDocument doc;
    EXPECT_FALSE(ParseXmlText(nullptr, &doc));
    // A closing quote without an opening one is an error, not a value.
    for (const char* text : {"", "   ", "\xEF\xBB\xBF", "<style><class name=\"a\"", "<a></b>", "<a b=c\"/>"})
        EXPECT_FALSE(ParseXmlText(text, &doc)) << text;
    ASSERT_TRUE(ParseXmlText("<a/>", &doc));
    EXPECT_FALSE(ParseXmlText("<a", &doc));
    EXPECT_EQ(nullptr, doc.RootElement()) << "a document parsed before is dropped";
    // Only a declaration and a comment: it parses without a root; the string
    // table refuses it, the styles count as loaded.
    const char* rootless = "<?xml version=\"1.0\"?><!-- nothing -->";
    ASSERT_TRUE(ParseXmlText(rootless, &doc));
    EXPECT_FALSE(BkString::Instance().LoadDocument(rootless));
    EXPECT_TRUE(StylePool::Instance().LoadDocument(rootless));
}
