#include "toolkit/StringSubst.h"

#include "platform/Text.h"
#include "toolkit/BkString.h"
#include "toolkit/ValueFormat.h"

namespace {
const wchar_t kToken[] = L"%str";
const size_t kTokenLength = 4;
}  // namespace

std::wstring SubstituteStringTokens(const std::wstring& text,
                                    const std::function<bool(int, std::wstring*)>& lookup)
{
    std::wstring result = text;
    size_t from = 0;
    for (;;) {
        size_t at = result.find(kToken, from);
        if (at == std::wstring::npos)
            break;
        size_t idStart = at + kTokenLength;
        size_t close = result.find(L'%', idStart);
        if (close == std::wstring::npos)
            break;
        int id = ParseDecimal(WideToUtf8(result.substr(idStart, close - idStart)));
        if (id <= 0)
            break;
        std::wstring inserted;
        if (!lookup(id, &inserted))
            inserted.clear();
        result.replace(at, close + 1 - at, inserted);
        from = at + inserted.size();
    }
    return result;
}

std::wstring SubstituteStringTokens(const std::wstring& text)
{
    return SubstituteStringTokens(text, [](int id, std::wstring* out) { return BkString::Instance().Get(id, out); });
}
