// The install command line for one package, and the install location that
// chooses between phone memory and SD card.
#pragma once

#include <string>

// Replaces the process-wide install location ("1" phone memory, "2" SD
// card). Safe to call while a worker reads it; takes effect from the next
// package whose command is built.
void SetInstallLocation(const std::wstring& location);
std::wstring GetInstallLocation();

// Copies the package to a fresh "tmp" file in tempFolder (never removed)
// and returns bridgeTool + " -nv install -r " + the copy's path, nothing
// quoted; "" when no copy could be made.
std::wstring BuildInstallCommand(const std::wstring& bridgeTool, const std::wstring& tempFolder,
                                 const std::wstring& package);
// The same with " -nv install -s -r ".
std::wstring BuildSdInstallCommand(const std::wstring& bridgeTool, const std::wstring& tempFolder,
                                   const std::wstring& package);

// Only the exact location "2" means the SD card; anything else the default.
std::wstring BuildCommandForLocation(const std::wstring& location, const std::wstring& bridgeTool,
                                     const std::wstring& tempFolder, const std::wstring& package);
