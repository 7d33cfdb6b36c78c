// The short Windows version name, from the version facts alone.
#pragma once

#include <string>

struct OsVersionFacts {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned platformId = 0;     // 1 Windows 9x, 2 NT
    unsigned productType = 0;    // 1 workstation
    unsigned architecture = 0;   // 9 AMD64
};

// "xp", "win7", ...; "unknow" for an unknown major version; empty for a
// known major with an unlisted minor.
std::string OsNameFor(const OsVersionFacts& v);
