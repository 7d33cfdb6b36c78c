// `aapt d badging` for the lines the program reads, from a package's two
// binary files: package, sdkVersion, targetSdkVersion, the requested
// permissions (implied ones included), the application's labels and its
// icon, worded and ordered as aapt prints them.
#pragma once

#include <string>

struct PackageFiles {
    bool opened = false;         // the file exists and can be read at all
    bool manifestFound = false;  // AndroidManifest.xml (a ZIP entry)
    std::string manifest;
    bool tableFound = false;     // resources.arsc
    std::string table;
};

struct BadgingReport {
    std::string out;  // standard output
    std::string err;  // standard error: aapt's "ERROR: ..." lines
    int status = 0;   // aapt's exit status: 0, or 1 on an error
};

// One choice beyond aapt: where aapt's icon is an XML drawable (an adaptive
// icon), which the program cannot draw, the largest PNG variant of the same
// resource is given instead, when there is one.
BadgingReport DumpBadging(const PackageFiles& files);
