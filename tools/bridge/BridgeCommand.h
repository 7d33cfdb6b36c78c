// The real bridge tool's command line: the system's install lines in, the
// request they carry out.
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

// Whether the line asks for the phones: "devices", blanks around it allowed.
bool IsDevicesVerb(const std::wstring& arguments);

extern const char kBridgeUsage[];
