// `aapt d badging` for the lines the program reads, from a package's two
// binary files: package, sdkVersion, targetSdkVersion, the requested
// permissions (implied ones included), the application's labels and its
// icon, worded and ordered as aapt prints them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bundle/Refusal.h"

struct PackageFiles {
    bool opened = false;         // the file exists and can be read at all
    bool manifestFound = false;  // AndroidManifest.xml (a ZIP entry)
    std::string manifest;
    bool tableFound = false;     // resources.arsc
    std::string table;
    // A bundle's: why it cannot be installed (its base's lines are printed
    // all the same when the base can be read), the base's entry, the
    // resource tables of the base module's density splits by their entry
    // names, and whether it carries its own top-level icon.png.
    Refusal bundleRefusal;
    std::string baseEntry;
    std::vector<std::pair<std::string, std::string>> densityTables;
    bool bundleIcon = false;
};

struct BadgingReport {
    std::string out;  // standard output
    std::string err;  // standard error: aapt's "ERROR: ..." lines
    int status = 0;   // aapt's exit status: 0, or 1 on an error
};

// Two choices beyond aapt. Where aapt's icon is an XML drawable (an adaptive
// icon), which the program cannot draw, the largest PNG variant of the same
// resource is given instead, when there is one. Where a bundle's base does
// not hold its icon (bundletool moves density drawables into splits), the
// icon is named in the densest split that does, as "SPLIT!/ENTRY" (SPLIT
// the split's entry in the bundle), or else as the bundle's own icon.png;
// an icon in the base is named so too ("BASE!/ENTRY"), so a reader opens
// only what it needs. A refused bundle gets the refusal's line on standard
// error, after the base's lines when the base can be read.
BadgingReport DumpBadging(const PackageFiles& files);
