#include "app/OsName.h"

#include <windows.h>

#include "app/OsNameTable.h"

std::string GetOsName()
{
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    // Deprecated but the only call that reports what the table expects;
    // without a manifest it says 6.2 on anything newer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    BOOL ok = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
#pragma GCC diagnostic pop
    if (!ok)
        return "unknow";
    OsVersionFacts facts;
    facts.major = info.dwMajorVersion;
    facts.minor = info.dwMinorVersion;
    facts.platformId = info.dwPlatformId;
    facts.productType = info.wProductType;
    facts.architecture = system.wProcessorArchitecture;
    return OsNameFor(facts);
}
