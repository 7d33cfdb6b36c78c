#include "app/StripQuotes.h"

std::wstring StripQuotes(const std::wstring& text)
{
    std::wstring s = text;
    // Each round removes at least one quote, so this ends.
    for (size_t q = s.find(L'"'); q != std::wstring::npos; q = s.find(L'"')) {
        s = s.substr(q + 1);
        s = s.substr(0, s.find(L'"'));
    }
    return s;
}
