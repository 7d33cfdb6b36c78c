// A bundle of split APKs installed through adb: the phone's properties,
// the split choice, the chosen APKs extracted under simple names into the
// bridge tool's private folder, one `adb install-multiple` (or a plain
// `adb install` when the phone gets one whole APK), then the expansion
// files pushed to the phone's shared storage.
#pragma once

#include <string>

#include "bundle/Refusal.h"
#include "device/InstallTarget.h"

struct Bundle;

struct ShimOutcome {
    std::string report;  // what the bridge tool prints (bounded)
    bool success = false;
};

// The shim's report of a refusal: its one line, then outside text (adb's).
ShimOutcome Refused(const Refusal& refusal, const std::string& outsideText = std::string());

// adb and the opened bundle; sdCard as in the install command line;
// replace: uninstall the app of the base's package first.
ShimOutcome InstallBundle(const std::wstring& adb, Bundle* bundle, bool sdCard, bool replace = false);

// adb's answer to an install of one file (`adb install`), `apk` ending in
// ".apk"; the SD card asked for in the form the phone takes; a non-empty
// `replaced` package is uninstalled first.
ShimOutcome InstallOne(const std::wstring& adb, const std::wstring& apk, bool sdCard,
                       const std::string& replaced = std::string());

// The package name of a plain APK's manifest; empty when it cannot be read.
std::string PackageNameOf(Bundle* package);
