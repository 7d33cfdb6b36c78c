// The inspection tool's output as anything at all: every field read must be
// the text right after its pattern, and the permission names must be what
// a plain scan of the text finds.
#include <cstring>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "inspect/BadgingText.h"
#include "inspect/PermissionCatalogue.h"

namespace {

const std::wstring::size_type npos = std::wstring::npos;

// value must follow the first `start` and end at `end` or at the text's end.
void CheckField(const std::wstring& text, const std::wstring& value, const wchar_t* start, const wchar_t* end)
{
    size_t at = text.find(start);
    if (at == npos) {
        FUZZ_CHECK(value.empty());
        return;
    }
    size_t from = at + std::wcslen(start);
    FUZZ_CHECK(text.compare(from, value.size(), value) == 0);
    size_t after = from + value.size();
    FUZZ_CHECK(after == text.size() || text.compare(after, std::wcslen(end), end) == 0);
}

// The slow, obvious scan: earliest pattern from the cursor, name up to the
// next quote.
std::vector<std::wstring> ScanPermissions(const std::wstring& text)
{
    const std::wstring forms[] = {L"uses-permission:'", L"uses-permission: name='"};
    std::vector<std::wstring> names;
    size_t cursor = 0;
    for (;;) {
        size_t best = npos, length = 0;
        for (const std::wstring& f : forms) {
            size_t at = text.find(f, cursor);
            if (at < best) {
                best = at;
                length = f.size();
            }
        }
        if (best == npos)
            return names;
        size_t close = text.find(L'\'', best + length);
        if (close == npos)
            return names;
        names.push_back(text.substr(best + length, close - best - length));
        cursor = close;
    }
}

bool IsSizeText(const std::wstring& s)
{
    size_t dot = s.find(L'.');
    if (dot == 0 || dot == npos || dot + 3 > s.size())
        return false;
    for (size_t i = 0; i < dot; ++i)
        if (s[i] < L'0' || s[i] > L'9')
            return false;
    if (s[dot + 1] < L'0' || s[dot + 1] > L'9' || s[dot + 2] < L'0' || s[dot + 2] > L'9')
        return false;
    std::wstring unit = s.substr(dot + 3);
    return unit == L" Byte" || unit == L" KB" || unit == L" MB" || unit == L" GB";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static PermissionCatalogue catalogue = [] {
        PermissionCatalogue c;
        BuildPermissionCatalogue(c);
        return c;
    }();
    const std::wstring text = fuzz::ConsoleText(data, size);

    BadgingFields f = ParseBadgingFields(text);
    // A label may hold a quote only when "' icon=" closes it, found after
    // the pattern (whose own closing quote is no end mark).
    const wchar_t* labelEnd = L"'";
    const std::wstring labelStart = L"application: label='";
    size_t labelAt = text.find(labelStart);
    if (labelAt != npos && text.find(L"' icon=", labelAt + labelStart.size()) != npos)
        labelEnd = L"' icon=";
    CheckField(text, f.label, L"application: label='", labelEnd);
    CheckField(text, f.packageName, L"package: name='", L"'");
    CheckField(text, f.versionName, L"versionName='", L"'");
    CheckField(text, f.iconPath, L"icon='", L"'");
    for (const std::wstring* v : {&f.packageName, &f.versionName, &f.iconPath})
        FUZZ_CHECK(v->find(L'\'') == npos);
    // The sdk field is the raw level or its name, never anything else.
    size_t sdkAt = text.find(L"sdkVersion:'");
    if (sdkAt == npos)
        FUZZ_CHECK(f.sdkVersion.empty());
    else
        FUZZ_CHECK(f.sdkVersion.compare(0, 8, L"Android ") == 0 || fuzz::Contains(text, f.sdkVersion));

    std::vector<std::wstring> names = RequestedPermissionNames(text);
    FUZZ_CHECK(names == ScanPermissions(text));
    for (const std::wstring& name : names) {
        auto it = catalogue.find(name);
        if (it != catalogue.end())
            FUZZ_CHECK(!it->second.title.empty());
    }

    FUZZ_CHECK(HasDumpFailed(text) == fuzz::Contains(text, L"ERROR: dump failed"));

    // Any byte count, from the first eight input bytes.
    if (size >= 8) {
        uint64_t raw = 0;
        std::memcpy(&raw, data, 8);
        FUZZ_CHECK(IsSizeText(FormatFileSize(static_cast<double>(raw >> 1))));
    }
    return 0;
}
