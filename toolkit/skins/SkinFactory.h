// The one place that maps a skin tag of the skins document to its kind.
#pragma once

#include <memory>

#include "toolkit/skins/BkSkinBase.h"

// "imglst", "imgframe", "button", "imghorzex", "gradation", "png" or
// "pngvertex" (exact case); nullptr for any other tag.
std::unique_ptr<CBkSkinBase> CreateSkin(const char* tag);
