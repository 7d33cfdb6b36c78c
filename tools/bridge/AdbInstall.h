// adb's install command for one package, in the form adb and the phone of
// today accept.
#pragma once

#include <string>
#include <vector>

// adb installs only files whose names end in ".apk": the name the package
// is handed over under (next to it), `attempt` 0, 1, ... giving further
// names when one is taken. A package already so named keeps its own.
std::wstring ApkNameFor(const std::wstring& package, int attempt);

// Whether `adb features` lists "cmd": such a phone (Android 7 and later)
// installs through `cmd package`, which takes the install location as
// "--install-location 2"; older phones' pm knows only "-s".
bool PhoneTakesInstallLocation(const std::string& featuresOutput);

// adb's arguments: program, install, -r, the SD-card option, the package.
std::vector<std::wstring> AdbInstallArguments(const std::wstring& adb, const std::wstring& apk, bool sdCard,
                                              bool installLocationForm);

// adb's arguments for a bundle's chosen APKs: program, install-multiple,
// -r, the SD-card option, the files (each ending ".apk").
std::vector<std::wstring> AdbInstallMultipleArguments(const std::wstring& adb, const std::vector<std::wstring>& apks,
                                                      bool sdCard, bool installLocationForm);
