// Element texts with "%strN%" tokens as anything at all: what comes out is
// the input with tokens replaced by their strings and nothing else, the
// inserted strings are not read again, and only positive ids are looked up.
#include <string>

#include "fuzz/FuzzCheck.h"
#include "toolkit/StringSubst.h"

namespace {

// Private-use characters that no input below contains.
const wchar_t kMarkOpen = 0xE000;
const wchar_t kMarkClose = 0xE001;

// Removes every inserted string (marked by the lookup below) from text.
std::wstring WithoutInserted(const std::wstring& text)
{
    std::wstring out;
    bool inside = false;
    for (wchar_t c : text) {
        if (c == kMarkOpen)
            inside = true;
        else if (c == kMarkClose)
            inside = false;
        else if (!inside)
            out.push_back(c);
    }
    return out;
}

bool IsSubsequence(const std::wstring& part, const std::wstring& whole)
{
    size_t at = 0;
    for (wchar_t c : part) {
        at = whole.find(c, at);
        if (at == std::wstring::npos)
            return false;
        ++at;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring text = fuzz::ConsoleText(data, size);
    for (wchar_t& c : text) {
        if (c == kMarkOpen || c == kMarkClose)
            c = L'?';
    }

    size_t lookups = 0;
    // Odd ids are known and insert a marked text that looks like a token
    // itself; even ids are unknown and insert nothing.
    std::wstring out = SubstituteStringTokens(text, [&](int id, std::wstring* s) {
        FUZZ_CHECK(id > 0);
        ++lookups;
        if (id % 2 == 0)
            return false;
        *s = std::wstring(1, kMarkOpen) + L"%str1%" + kMarkClose;
        return true;
    });

    const std::wstring rest = WithoutInserted(out);
    FUZZ_CHECK(IsSubsequence(rest, text));
    // Each token is at least "%str" + a digit + "%", six characters.
    FUZZ_CHECK(rest.size() + 6 * lookups <= text.size());
    if (text.find(L"%str") == std::wstring::npos)
        FUZZ_CHECK(out == text && lookups == 0);

    // With nothing known, tokens just vanish.
    size_t quietLookups = 0;
    std::wstring quiet = SubstituteStringTokens(text, [&](int, std::wstring*) {
        ++quietLookups;
        return false;
    });
    FUZZ_CHECK(quiet == rest);
    FUZZ_CHECK(quietLookups == lookups);
    return 0;
}
