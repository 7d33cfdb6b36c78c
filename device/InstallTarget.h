// Which phone an install goes to. With one phone attached adb chooses it
// and nothing is added; a chosen phone, or every ready one in turn, is
// named to the bridge tool in ANDROID_SERIAL, the variable adb itself
// honours, so the install command line stays as it is built.
#pragma once

#include <string>
#include <vector>

#include "device/ConsoleRunner.h"
#include "device/InstallResult.h"
#include "device/PhoneList.h"

// Set to "1" for the bridge tool when the user confirmed that the app of
// another signer on the phone, and its data, go first: the install is
// preceded by `adb uninstall` of the package. The command line stays as built.
constexpr wchar_t kReplaceOtherSignerVariable[] = L"KORVEL_REPLACE_OTHER_SIGNER";

struct InstallTarget {
    enum class Kind { AdbChooses, OnePhone, EveryPhone };
    Kind kind = Kind::AdbChooses;
    Phone phone;  // OnePhone: the chosen phone (its model is kept for showing)
};

// One phone's outcome of one package, when installs name their phone.
struct PhoneOutcome {
    Phone phone;
    InstallResult result = InstallSuccess;
};

// Ready phones take installs; unauthorized and offline ones cannot.
bool IsReady(const Phone& phone);

// The phones the bridge tool lists now (`korvel_helper devices`).
std::vector<Phone> ListPhones(const std::wstring& bridgeTool, StopFlag* stop);

// The variables that send a bridge tool run to `phone`.
std::vector<ToolVariable> PhoneVariables(const Phone& phone);
