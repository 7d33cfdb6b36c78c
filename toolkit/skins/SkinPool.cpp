#include "toolkit/skins/SkinPool.h"

#include <cstring>
#include <vector>

#include "toolkit/ResourceLoaders.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/SkinFactory.h"

SkinPool& SkinPool::Instance()
{
    // Never destroyed: elements may paint until the very end.
    static SkinPool* pool = new SkinPool();
    return *pool;
}

bool SkinPool::LoadDocument(const char* text)
{
    Clear();
    TiXmlDocument doc;
    if (!ParseXmlText(text, &doc))
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root || std::strcmp(root->Value(), "skins") != 0)
        return true;
    for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const char* name = e->Attribute("name");
        if (!name)
            continue;
        std::unique_ptr<CBkSkinBase> skin = CreateSkin(e->Value());
        if (!skin)
            continue;
        skin->Load(e);
        Insert(name, std::move(skin));
    }
    return true;
}

CBkSkinBase* SkinPool::GetSkin(const std::string& name) const
{
    auto it = skins_.find(name);
    return it == skins_.end() ? nullptr : it->second.get();
}

void SkinPool::Insert(const std::string& name, std::unique_ptr<CBkSkinBase> skin)
{
    if (skin)
        skins_[name] = std::move(skin);
}

bool SkinPool::Draw(HDC dc, const std::string& name, const RECT& rect, uint32_t state)
{
    CBkSkinBase* skin = GetSkin(name);
    if (!skin)
        return false;
    skin->Draw(dc, rect, static_cast<int32_t>(state));
    return true;
}

bool SkinPool::DependsOnState(const std::string& name)
{
    CBkSkinBase* skin = GetSkin(name);
    return skin && !skin->IgnoreState();
}

bool LoadSkins(unsigned id)
{
    // GDI+ starts with the PNG pool; whatever else decodes images relies on
    // it being running once the skins are loaded, PNG skins or not.
    BkPngPool::Instance();
    SkinPool& pool = SkinPool::Instance();
    SetElementSkins(&pool);
    std::vector<char> text;
    if (!LoadXmlResource(id, &text)) {
        pool.Clear();
        return false;
    }
    return pool.LoadDocument(text.data());
}
