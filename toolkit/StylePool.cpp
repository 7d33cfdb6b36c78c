#include "toolkit/StylePool.h"

#include <cstring>

#include "toolkit/XmlDocument.h"

StylePool& StylePool::Instance()
{
    // Process-wide tables live as long as the process and are never
    // destroyed: windows and elements torn down at exit still use them.
    static StylePool* pool = new StylePool();
    return *pool;
}

StylePool::StylePool()
{
    Clear();
}

void StylePool::Clear()
{
    styles_.clear();
    styles_[std::string()] = BkStyle();
}

bool StylePool::LoadDocument(const char* text)
{
    Clear();
    TiXmlDocument doc;
    if (!ParseXmlText(text, &doc))
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root || std::strcmp(root->Value(), "style") != 0)
        return true;
    for (const TiXmlElement* c = root->FirstChildElement("class"); c; c = c->NextSiblingElement("class")) {
        const char* name = c->Attribute("name");
        if (!name)
            continue;
        // operator[] creates a style with all defaults on first mention.
        ApplyXmlAttributes(&styles_[name], c, true);
    }
    return true;
}

const BkStyle& StylePool::GetStyle(const std::string& name) const
{
    auto it = styles_.find(name);
    if (it == styles_.end())
        it = styles_.find(std::string());
    return it->second;
}
