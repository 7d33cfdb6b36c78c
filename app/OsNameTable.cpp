#include "app/OsNameTable.h"

namespace {

constexpr unsigned kWorkstation = 1;
constexpr unsigned kAmd64 = 9;

}  // namespace

std::string OsNameFor(const OsVersionFacts& v)
{
    const bool workstation = v.productType == kWorkstation;
    switch (v.major) {
    case 4:
        if (v.minor == 0 && v.platformId == 2) return "nt4.0";
        if (v.minor == 0 && v.platformId == 1) return "95";
        if (v.minor == 10) return "98";
        if (v.minor == 90) return "me";
        return "";
    case 5:
        if (v.minor == 0) return "2000";
        if (v.minor == 1) return "xp";
        // 64-bit XP reports itself as 5.2, like Server 2003.
        if (v.minor == 2) return (workstation && v.architecture == kAmd64) ? "xp" : "2003";
        return "";
    case 6:
        if (v.minor == 0) return workstation ? "vista" : "2008";
        if (v.minor == 1) return workstation ? "win7" : "2008";
        if (v.minor == 2) return workstation ? "win8" : "2012";
        return "";
    default:
        return "unknow";
    }
}
