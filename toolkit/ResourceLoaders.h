// Start-up loading of the skins, styles and strings documents from the
// executable's "xml" resources into their process-wide pools.
#pragma once

// Each returns false when the resource is missing or does not parse.
bool LoadSkins(unsigned id);
bool LoadStyles(unsigned id);
bool LoadStrings(unsigned id);
