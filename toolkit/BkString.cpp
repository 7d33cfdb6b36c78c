#include "toolkit/BkString.h"

#include <cstring>

#include "platform/Text.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"

BkString& BkString::Instance()
{
    // Process-wide tables live as long as the process and are never
    // destroyed: windows and elements torn down at exit still use them.
    static BkString* table = new BkString();
    return *table;
}

bool BkString::LoadDocument(const char* text)
{
    TiXmlDocument doc;
    if (!ParseXmlText(text, &doc))
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root || std::strcmp(root->Value(), "string") != 0)
        return false;
    for (const TiXmlElement* s = root->FirstChildElement("s"); s; s = s->NextSiblingElement("s")) {
        const char* id = s->Attribute("id");
        if (!id)
            continue;
        const char* body = s->GetText();
        Set(ParseDecimal(id), body ? Utf8ToWide(body) : std::wstring());
    }
    return true;
}

void BkString::Set(int id, const std::wstring& text)
{
    strings_[id] = text;
}

bool BkString::Get(int id, std::wstring* text) const
{
    auto it = strings_.find(id);
    if (it == strings_.end())
        return false;
    *text = it->second;
    return true;
}

void BkString::Clear()
{
    strings_.clear();
}

std::wstring GetString(int id)
{
    std::wstring text;
    BkString::Instance().Get(id, &text);
    return text;
}
