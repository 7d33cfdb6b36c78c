// The inspection tool's output as anything at all: fields never run past
// their closing quote, and any byte count gets a size text.
#include <cstring>

#include "fuzz/FuzzCheck.h"
#include "inspect/BadgingText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring text = fuzz::ConsoleText(data, size);
    BadgingFields f = ParseBadgingFields(text);
    for (const std::wstring* v : {&f.packageName, &f.versionName, &f.iconPath}) {
        FUZZ_CHECK(v->find(L'\'') == std::wstring::npos);
        FUZZ_CHECK(v->empty() || fuzz::Contains(text, *v));
    }
    for (const std::wstring& name : RequestedPermissionNames(text))
        FUZZ_CHECK(fuzz::Contains(text, name) && name.find(L'\'') == std::wstring::npos);
    FUZZ_CHECK(HasDumpFailed(text) == fuzz::Contains(text, L"ERROR: dump failed"));
    if (size >= 8) {
        uint64_t raw = 0;
        std::memcpy(&raw, data, 8);
        const std::wstring sizeText = FormatFileSize(static_cast<double>(raw >> 1));
        FUZZ_CHECK(!sizeText.empty() && sizeText.find(L'.') != std::wstring::npos);
    }
    return 0;
}
