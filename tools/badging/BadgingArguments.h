// The badging tool's command line: "d badging FILE" after the program, as
// the program writes it ("...\aapt.exe d badging "C:\...\x.apk"").
#pragma once

#include <string>

// The package path, unquoted; false when the arguments are anything else.
// A quoted path ends at its closing quote; an unquoted one runs to the end
// of the line, blanks included.
bool ParseBadgingArguments(const std::wstring& arguments, std::wstring* package);

extern const char kBadgingUsage[];
