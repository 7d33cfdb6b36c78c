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

// What follows our own program path in a whole Windows command line. Windows
// passes the line exactly as the caller wrote it, and the system writes our
// path unquoted even when it holds blanks ("C:\Program Files\..."), so the
// path is recognised as `modulePath` (ignoring case, with or without ".exe",
// quoted or not); any other start falls back to the Microsoft runtime's rule
// for the program name (quoted, or up to the first blank).
std::wstring ArgumentsAfterProgram(const std::wstring& commandLine, const std::wstring& modulePath);

extern const char kBridgeUsage[];
