// The package path out of a (usually quoted) command line.
#pragma once

#include <string>

// While the text holds a double quote, keep what follows the first one,
// then what precedes the next one. Text without quotes comes back whole.
std::wstring StripQuotes(const std::wstring& text);
