// The real bridge tool's logic: the system's install command lines in, an
// adb command line out, and adb's answer put into the words the install
// result classification looks for.
#pragma once

#include <string>
#include <vector>

struct BridgeRequest {
    bool valid = false;
    bool sdCard = false;      // " -nv install -s -r FILE"
    std::wstring package;     // FILE
};

// Arguments after the program name. The package path is not quoted by the
// system, so a path with blanks arrives split; the rest is joined back.
BridgeRequest ParseBridgeArguments(const std::vector<std::wstring>& args);

// `adb install -r [-s] FILE` for the process layer, program and file quoted.
std::wstring BuildAdbCommand(const std::wstring& adbProgram, const BridgeRequest& request);

// One argument quoted so that SplitCommandLine (and CreateProcessW's
// parsing) gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& arg);

// adb's output, plus "error: device not found" or "error: more than one
// device and emulator" where today's adb says the same in other words.
std::wstring AddSystemWording(const std::wstring& adbOutput);

extern const char kBridgeUsage[];
