#include "tools/bridge/BridgeCommand.h"

const char kBridgeUsage[] =
    "usage: korvel_helper -nv install [-s] -r PACKAGE (runs adb install; adb beside it or on PATH)\n";

namespace {

const wchar_t kBlanks[] = L" \t";
const wchar_t kBlanksAndLineEnds[] = L" \t\r\n";

bool Contains(const std::wstring& text, const wchar_t* part)
{
    return text.find(part) != std::wstring::npos;
}

void AppendLine(std::wstring* text, const wchar_t* line)
{
    if (!text->empty() && text->back() != L'\n')
        *text += L'\n';
    *text += line;
    *text += L'\n';
}

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

std::wstring ArgumentsAfterProgram(const std::wstring& commandLine)
{
    size_t end;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(kBlanks);
        end = end == std::wstring::npos ? commandLine.size() : end;
    }
    return commandLine.substr(end);
}

std::wstring QuoteArgument(const std::wstring& arg)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only before a quote.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring BuildAdbCommand(const std::wstring& adbProgram, const BridgeRequest& request)
{
    return QuoteArgument(adbProgram) + L" install -r " + (request.sdCard ? L"-s " : L"") +
           QuoteArgument(request.package);
}

std::wstring AddSystemWording(const std::wstring& adbOutput)
{
    std::wstring text = adbOutput;
    if (Contains(adbOutput, L"no devices/emulators found") && !Contains(adbOutput, L"device not found"))
        AppendLine(&text, L"error: device not found");
    if (Contains(adbOutput, L"more than one device/emulator") &&
        !Contains(adbOutput, L"more than one device and emulator"))
        AppendLine(&text, L"error: more than one device and emulator");
    return text;
}
