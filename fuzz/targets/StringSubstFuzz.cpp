// Element texts with "%strN%" tokens as anything at all: only positive ids
// are looked up, an inserted string is not read again, and with nothing
// known the text only gets shorter.
#include "fuzz/FuzzCheck.h"
#include "toolkit/StringSubst.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring text = fuzz::ConsoleText(data, size);
    size_t lookups = 0;
    // A known string that is a token itself: read again, it would be looked up again.
    const std::wstring out = SubstituteStringTokens(text, [&](int id, std::wstring* s) {
        FUZZ_CHECK(id > 0);
        ++lookups;
        *s = L"%str1%";
        return true;
    });
    // Each token is at least "%str" + a digit + "%", six characters.
    FUZZ_CHECK(6 * lookups <= text.size());
    FUZZ_CHECK(out.size() <= text.size());
    const std::wstring quiet = SubstituteStringTokens(text, [](int, std::wstring*) { return false; });
    FUZZ_CHECK(quiet.size() <= text.size());
    if (lookups == 0)
        FUZZ_CHECK(out == text && quiet == text);
    return 0;
}
