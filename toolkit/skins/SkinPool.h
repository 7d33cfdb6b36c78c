// Skins by name, owned for the life of the process; also the skin source
// the element tree paints through.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "toolkit/ElementSkin.h"
#include "toolkit/skins/BkSkinBase.h"

class SkinPool : public IElementSkins {
public:
    static SkinPool& Instance();

    // Empties the pool, then reads a skins document: root "skins", one
    // child per skin whose tag is its kind and whose "name" names it; a
    // later skin of the same name replaces the earlier one. False only when
    // the text does not parse.
    bool LoadDocument(const char* text);

    CBkSkinBase* GetSkin(const std::string& name) const;
    void Insert(const std::string& name, std::unique_ptr<CBkSkinBase> skin);
    void Clear() { skins_.clear(); }
    size_t Count() const { return skins_.size(); }

    bool Draw(HDC dc, const std::string& name, const RECT& rect, uint32_t state) override;
    bool DependsOnState(const std::string& name) override;

private:
    std::map<std::string, std::unique_ptr<CBkSkinBase>> skins_;
};
