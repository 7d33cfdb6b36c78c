// A bundle of split APKs installed through adb: the phone's properties,
// the split choice, the chosen APKs extracted under simple names into the
// bridge tool's private folder, one `adb install-multiple`, then the
// expansion files pushed to the phone's shared storage.
#pragma once

#include <string>

struct ShimOutcome {
    std::string report;  // what the bridge tool prints (bounded)
    bool success = false;
};

// adb and the bundle's path; sdCard as in the install command line.
ShimOutcome InstallBundle(const std::wstring& adb, const std::wstring& bundle, bool sdCard);

// Whether the file starts as every ZIP archive does; false for an
// encrypted .apkm, which is no archive at all.
bool StartsLikeZip(const std::wstring& path);
