// The menu of phones offered when several are attached: a real popup menu
// (keyboard, Escape and a click elsewhere behave as everywhere in Windows),
// drawn by us so its Chinese is in the window's own font.
#pragma once

#include <windows.h>

#include <vector>

#include "app/PhoneText.h"

// Shows the entries above `anchor` (screen coordinates), their right edges
// lined up so the menu stays over the window; owned by `owner`;
// disabled entries cannot be chosen. The chosen entry's index, or -1 when
// the menu was left.
int ShowPhoneMenu(HWND owner, const RECT& anchor, const std::vector<PhoneEntry>& entries);
