// Where the bridge tool and the temporary folder are. Neither is checked
// for existence: a missing tool shows up as an empty install output.
#pragma once

#include <string>

// Folder of the running executable + "korvel_helper" (".exe" on Windows).
std::wstring GetBridgeToolPath();

// The user's temporary folder with its trailing separator, or "" (with a
// diagnostic) when the system gives none that fits.
std::wstring GetTempFolder();
