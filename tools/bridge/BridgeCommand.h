// The real bridge tool's logic: the system's install command lines in, an
// adb command line out, and adb's answer put into the words the install
// result classification looks for.
#pragma once

#include <string>

struct BridgeRequest {
    bool valid = false;
    bool sdCard = false;   // " -nv install -s -r FILE"
    std::wstring package;  // FILE
};

// The command line after the program name, as written by the process that
// started us ("-nv install -r C:\Temp\tmp1A2B.tmp"). The system does not
// quote the package path, so everything after "-r" and its blank is the path,
// blanks included; a path that a person quoted whole is unquoted.
BridgeRequest ParseBridgeArguments(const std::wstring& arguments);

// What follows the program name in a whole Windows command line, by the
// rule the Microsoft runtime uses for the program name (quoted or up to the
// first blank).
std::wstring ArgumentsAfterProgram(const std::wstring& commandLine);

// `adb install -r [-s] FILE` for the process layer, program and file quoted.
std::wstring BuildAdbCommand(const std::wstring& adbProgram, const BridgeRequest& request);

// One argument quoted so that SplitCommandLine (and CreateProcessW's
// parsing) gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& arg);

// adb's output, plus "error: device not found" or "error: more than one
// device and emulator" where today's adb says the same in other words.
std::wstring AddSystemWording(const std::wstring& adbOutput);

extern const char kBridgeUsage[];
