#include "inspect/BadgingText.h"

#include <cstdio>

namespace {

const std::wstring::size_type npos = std::wstring::npos;

// Value after the first `start`, up to `end` searched from there, or to the
// end of the text when no end mark follows; empty when `start` is absent.
std::wstring FieldAfter(const std::wstring& text, const wchar_t* start, const wchar_t* end)
{
    size_t at = text.find(start);
    if (at == npos)
        return std::wstring();
    size_t from = at + std::char_traits<wchar_t>::length(start);
    size_t to = text.find(end, from);
    return text.substr(from, to == npos ? npos : to - from);
}

}  // namespace

bool HasDumpFailed(const std::wstring& output)
{
    return output.find(L"ERROR: dump failed") != npos;
}

BadgingFields ParseBadgingFields(const std::wstring& output)
{
    BadgingFields f;
    const std::wstring labelStart = L"application: label='";
    // "' icon=" keeps a label that itself holds a quote whole; it counts only
    // after the start pattern, never as the pattern's own closing quote.
    const size_t label = output.find(labelStart);
    if (label != npos && output.find(L"' icon=", label + labelStart.size()) != npos)
        f.label = FieldAfter(output, labelStart.c_str(), L"' icon=");
    else
        f.label = FieldAfter(output, labelStart.c_str(), L"'");
    f.packageName = FieldAfter(output, L"package: name='", L"'");
    f.versionName = FieldAfter(output, L"versionName='", L"'");
    f.sdkVersion = MapSdkLevel(FieldAfter(output, L"sdkVersion:'", L"'"));
    f.iconPath = FieldAfter(output, L"icon='", L"'");
    return f;
}

std::wstring MapSdkLevel(const std::wstring& level)
{
    static const struct { const wchar_t* level; const wchar_t* name; } kNames[] = {
        {L"2", L"Android 1.1"},  {L"3", L"Android 1.5"},    {L"4", L"Android 1.6"},
        {L"5", L"Android 2.0"},  {L"7", L"Android 2.1"},    {L"8", L"Android 2.2"},
        {L"9", L"Android 2.3"},  {L"10", L"Android 2.3.3"}, {L"11", L"Android 3.0"},
        {L"12", L"Android 3.1"}, {L"13", L"Android 3.2"},   {L"14", L"Android 4.0"},
    };
    for (const auto& entry : kNames) {
        if (level == entry.level)
            return entry.name;
    }
    return level;
}

std::vector<std::wstring> RequestedPermissionNames(const std::wstring& output)
{
    static const std::wstring kOld = L"uses-permission:'";
    static const std::wstring kNew = L"uses-permission: name='";
    std::vector<std::wstring> names;
    // The next place of each form is searched again only once the scan has
    // passed it; searching both from every name made long outputs quadratic.
    size_t pos = 0;
    size_t atOld = output.find(kOld);
    size_t atNew = output.find(kNew);
    for (;;) {
        if (atOld != npos && atOld < pos)
            atOld = output.find(kOld, pos);
        if (atNew != npos && atNew < pos)
            atNew = output.find(kNew, pos);
        if (atOld == npos && atNew == npos)
            break;
        size_t from = atOld < atNew ? atOld + kOld.size() : atNew + kNew.size();
        size_t close = output.find(L'\'', from);
        if (close == npos)
            break;
        names.push_back(output.substr(from, close - from));
        pos = close;
    }
    return names;
}

std::wstring FormatFileSize(double bytes)
{
    double value = bytes;
    const char* format = "%.2f Byte";
    if (bytes >= 1073741824.0) {
        value = bytes / 1024 / 1024 / 1024;
        format = "%.2f GB";
    } else if (bytes >= 1048576.0) {
        value = bytes / 1024 / 1024;
        format = "%.2f MB";
    } else if (bytes >= 1024.0) {
        value = bytes / 1024;
        format = "%.2f KB";
    }
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}
