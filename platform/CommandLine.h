// Splits a Windows-style command line into arguments, so the POSIX process
// layer starts the same program with the same arguments CreateProcessW would.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Blanks and tabs separate arguments; double quotes group; 2n backslashes
// before a quote give n backslashes, 2n+1 give n and a literal quote;
// other backslashes are literal.
std::vector<std::wstring> SplitCommandLine(const std::wstring& line);

// What follows our own program path in a whole Windows command line.
// Windows passes the line exactly as the caller wrote it, and our callers
// write our path unquoted even when it holds blanks ("C:\Program Files\..."),
// so the path is recognised as `modulePath` (ignoring case, with or without
// ".exe", quoted or not); any other start falls back to the Microsoft
// runtime's rule for the program name (quoted, or up to the first blank).
std::wstring ArgumentsAfterProgram(const std::wstring& commandLine, const std::wstring& modulePath);

// One argument quoted so that SplitCommandLine (and CreateProcessW's
// parsing) gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& arg);

// Arguments joined into one command line, each quoted.
std::wstring JoinCommandLine(const std::vector<std::wstring>& args);

// SplitCommandLine, except that an unquoted program path may hold blanks,
// found the way CreateProcessW finds it: the prefixes of the line that end
// at a blank are tried from the shortest, and the first one `isProgram`
// accepts is the program ("/opt/my tools/aapt d badging x" runs
// "/opt/my tools/aapt" when that exists). None accepted: the plain split.
std::vector<std::wstring> SplitProgramLine(const std::wstring& line,
                                           const std::function<bool(const std::wstring&)>& isProgram);

// A POSIX main's arguments from index `first` on, decoded from UTF-8.
std::vector<std::wstring> WideArguments(int argc, char** argv, int first = 1);

// The argument vector posix_spawn and exec take, in UTF-8: the strings and
// the pointers to them, ending with a null pointer. Not copyable: the
// pointers point into its own strings.
class SpawnArguments {
public:
    explicit SpawnArguments(const std::vector<std::wstring>& args);
    SpawnArguments(const SpawnArguments&) = delete;
    SpawnArguments& operator=(const SpawnArguments&) = delete;

    bool Empty() const { return narrow_.empty(); }
    const char* Program() const { return narrow_.empty() ? nullptr : narrow_[0].c_str(); }
    char* const* Argv() { return pointers_.data(); }

private:
    std::vector<std::string> narrow_;
    std::vector<char*> pointers_;
};
