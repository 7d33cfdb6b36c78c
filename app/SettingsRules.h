// The rules of the one stored setting, the install location.
#pragma once

#include <string>

// Combo box item for a stored "Position": item 1 (SD card) only for
// exactly "2", item 0 (phone memory) for anything else, missing included.
int LocationItemForStored(const std::wstring& stored);

// The value kept and handed to the engine for a combo selection: "1" for
// item 0, "2" for item 1; no (or any other) selection keeps current.
std::wstring LocationForItem(int item, const std::wstring& current);

// The shell verb that starts the main product: elevation everywhere but
// on Windows XP, which gets the default action (nullptr).
const wchar_t* MainProductVerb(const std::string& osName);
