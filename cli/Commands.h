// Subcommands of tarvo-cli. Each takes the arguments after its name and
// returns the process exit code; 2 means a usage error.
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::wstring>;

constexpr int kExitUsage = 2;

int RunInspect(const Args& args);
int RunInstall(const Args& args);
int RunDevices(const Args& args);

// Usage of the whole program, one line per command, printed on any usage error.
extern const char kUsage[];

// Writes UTF-8 text to standard output and flushes it.
void PrintOut(const std::string& utf8);
