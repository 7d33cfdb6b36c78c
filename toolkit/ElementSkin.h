// How elements reach skins by name. Elements paint their background through
// whatever skin source is installed (the skin pool at start-up), so the
// element tree does not depend on the skin kinds.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

class IElementSkins {
public:
    virtual ~IElementSkins() = default;
    // Draws the named skin over rect with the state word; false when the
    // name is unknown (nothing is drawn then).
    virtual bool Draw(HDC dc, const std::string& name, const RECT& rect, uint32_t state) = 0;
    // True when the named skin exists and looks different per state.
    virtual bool DependsOnState(const std::string& name) = 0;
};

// Not owned; nullptr removes it (every skin name is then unknown).
void SetElementSkins(IElementSkins* skins);
IElementSkins* ElementSkins();

bool DrawSkinByName(HDC dc, const std::string& name, const RECT& rect, uint32_t state);
bool SkinDependsOnState(const std::string& name);
