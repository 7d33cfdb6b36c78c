#include "toolkit/ElementSkin.h"

namespace {
IElementSkins*& Slot()
{
    static IElementSkins* skins = nullptr;
    return skins;
}
}  // namespace

void SetElementSkins(IElementSkins* skins)
{
    Slot() = skins;
}

IElementSkins* ElementSkins()
{
    return Slot();
}

bool DrawSkinByName(HDC dc, const std::string& name, const RECT& rect, uint32_t state)
{
    IElementSkins* skins = Slot();
    return skins && skins->Draw(dc, name, rect, state);
}

bool SkinDependsOnState(const std::string& name)
{
    IElementSkins* skins = Slot();
    return skins && skins->DependsOnState(name);
}
