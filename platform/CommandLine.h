// Splits a Windows-style command line into arguments, so the POSIX process
// layer starts the same program with the same arguments CreateProcessW would.
#pragma once

#include <string>
#include <vector>

// Blanks and tabs separate arguments; double quotes group; 2n backslashes
// before a quote give n backslashes, 2n+1 give n and a literal quote;
// other backslashes are literal.
std::vector<std::wstring> SplitCommandLine(const std::wstring& line);
