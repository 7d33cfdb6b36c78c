#include "tools/bridge/BridgeCommand.h"

const char kBridgeUsage[] =
    "usage: korvel_helper -nv install [-s] -r PACKAGE (runs adb install; the package path may hold blanks)\n"
    "       korvel_helper devices (the phones: serial, state, model, Android release, tab-separated)\n";

namespace {

const wchar_t kBlanks[] = L" \t";
const wchar_t kBlanksAndLineEnds[] = L" \t\r\n";

}  // namespace

BridgeRequest ParseBridgeArguments(const std::wstring& arguments)
{
    BridgeRequest request;
    size_t at = 0;
    // Takes the next blank-separated word when it is `word`.
    auto take = [&](const wchar_t* word) {
        size_t start = arguments.find_first_not_of(kBlanks, at);
        if (start == std::wstring::npos)
            return false;
        size_t end = arguments.find_first_of(kBlanks, start);
        if (end == std::wstring::npos)
            end = arguments.size();
        if (arguments.compare(start, end - start, word) != 0)
            return false;
        at = end;
        return true;
    };
    if (!take(L"-nv") || !take(L"install"))
        return request;
    request.sdCard = take(L"-s");
    if (!take(L"-r"))
        return request;

    size_t first = arguments.find_first_not_of(kBlanksAndLineEnds, at);
    size_t last = arguments.find_last_not_of(kBlanksAndLineEnds);
    if (first == std::wstring::npos || last == std::wstring::npos || last < first)
        return request;
    std::wstring package = arguments.substr(first, last + 1 - first);
    if (package.size() >= 2 && package.front() == L'"' && package.back() == L'"')
        package = package.substr(1, package.size() - 2);
    // No file name holds a quote, and one starting with '-' would reach adb
    // as an option: both are lines we do not know.
    if (package.empty() || package.find(L'"') != std::wstring::npos || package[0] == L'-')
        return request;
    request.package = package;
    request.valid = true;
    return request;
}

bool IsDevicesVerb(const std::wstring& arguments)
{
    const size_t first = arguments.find_first_not_of(kBlanksAndLineEnds);
    const size_t last = arguments.find_last_not_of(kBlanksAndLineEnds);
    return first != std::wstring::npos && arguments.compare(first, last + 1 - first, L"devices") == 0;
}
