// The running Windows version's short name ("xp", "win7", ...).
#pragma once

#include <string>

// "unknow" when the version cannot be read.
std::string GetOsName();
