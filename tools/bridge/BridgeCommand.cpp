#include "tools/bridge/BridgeCommand.h"

const char kBridgeUsage[] =
    "usage: korvel_helper -nv install [-s] -r PACKAGE (runs adb install; adb beside it or on PATH)\n";

namespace {

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

BridgeRequest ParseBridgeArguments(const std::vector<std::wstring>& args)
{
    BridgeRequest request;
    if (args.size() < 4 || args[0] != L"-nv" || args[1] != L"install")
        return request;
    size_t first = 3;
    if (args[2] == L"-s") {
        if (args.size() < 5 || args[3] != L"-r")
            return request;
        request.sdCard = true;
        first = 4;
    } else if (args[2] != L"-r") {
        return request;
    }
    for (size_t i = first; i < args.size(); ++i) {
        if (i > first)
            request.package += L' ';
        request.package += args[i];
    }
    request.valid = !request.package.empty();
    return request;
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
