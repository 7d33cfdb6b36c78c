#include "tools/badging/BadgingArguments.h"

const char kBadgingUsage[] =
    "usage: aapt d badging PACKAGE\n"
    "Prints what `aapt d badging` prints of a package's name, version, SDK levels,\n"
    "requested permissions, labels and icon. Where aapt would name an XML icon\n"
    "(an adaptive icon), the largest PNG variant of the same resource is named\n"
    "instead, when the package has one.\n";

bool ParseBadgingArguments(const std::wstring& arguments, std::wstring* package)
{
    const wchar_t* const blanks = L" \t\r\n";
    size_t at = 0;
    auto word = [&]() {
        size_t start = arguments.find_first_not_of(blanks, at);
        if (start == std::wstring::npos)
            return std::wstring();
        size_t end = arguments.find_first_of(blanks, start);
        if (end == std::wstring::npos)
            end = arguments.size();
        at = end;
        return arguments.substr(start, end - start);
    };
    const std::wstring command = word();
    if ((command != L"d" && command != L"dump") || word() != L"badging")
        return false;
    const size_t first = arguments.find_first_not_of(blanks, at);
    if (first == std::wstring::npos)
        return false;
    std::wstring path;
    if (arguments[first] == L'"') {
        const size_t close = arguments.find(L'"', first + 1);
        if (close == std::wstring::npos ||
            arguments.find_first_not_of(blanks, close + 1) != std::wstring::npos)
            return false;
        path = arguments.substr(first + 1, close - first - 1);
    } else {
        path = arguments.substr(first, arguments.find_last_not_of(blanks) + 1 - first);
    }
    if (path.empty() || path.find(L'"') != std::wstring::npos)
        return false;
    *package = path;
    return true;
}
