// `korvel_helper devices`: the phones `adb devices -l` lists, each ready
// one asked for its Android release with its serial in ANDROID_SERIAL (the
// variable adb itself honours), so no serial ever passes a command line.
#pragma once

#include <string>
#include <vector>

#include "device/InstallTarget.h"

// The phones of adb's listing ("SERIAL  STATE key:value ..."); its header,
// its notices and lines it does not understand are passed over. A serial
// may hold blanks: the state is the first word adb uses for one.
std::vector<Phone> ParseAdbDevices(const std::string& listing);

// The verb's whole run: what it prints, and its exit status.
int ReportPhones(const std::wstring& adb, std::string* report);
