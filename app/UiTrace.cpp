#include "app/UiTrace.h"

#include <cwchar>

#include "platform/Diagnostics.h"

namespace {

const wchar_t kPrefix[] = L"ui ";

std::wstring Escape(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L'\\')
            out += L"\\\\";
        else if (c == L'\n')
            out += L"\\n";
        else if (c == L'\r')
            out += L"\\r";
        else
            out += c;
    }
    return out;
}

std::wstring Unescape(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        wchar_t next = text[++i];
        out += next == L'n' ? L'\n' : next == L'r' ? L'\r' : next;
    }
    return out;
}

void Write(const wchar_t* kind, int id, const std::wstring& text)
{
    WriteDiagnostic(FormatUiTrace(UiTraceEntry{kind, id, text}));
}

}  // namespace

void TraceText(int id, const std::wstring& text) { Write(L"text", id, text); }

void TraceShown(int id, bool shown) { Write(L"show", id, shown ? L"1" : L"0"); }

void TraceRowCount(int rows) { Write(L"rows", rows, L""); }

void TraceMenu(const std::vector<std::wstring>& entries)
{
    std::wstring text;
    for (const std::wstring& e : entries)
        text += (text.empty() ? L"" : L"\n") + e;
    Write(L"menu", static_cast<int>(entries.size()), text);
}

void TraceRow(int row, const std::wstring& label, const std::wstring& status, bool error)
{
    Write(L"row", row, label + L"|" + status + L"|" + (error ? L"1" : L"0"));
}

std::wstring FormatUiTrace(const UiTraceEntry& entry)
{
    return kPrefix + entry.kind + L" " + std::to_wstring(entry.id) + L" " + Escape(entry.text);
}

bool ParseUiTrace(const std::wstring& line, UiTraceEntry* entry)
{
    const size_t prefix = std::wcslen(kPrefix);
    if (line.compare(0, prefix, kPrefix) != 0)
        return false;
    const size_t kindEnd = line.find(L' ', prefix);
    if (kindEnd == std::wstring::npos || kindEnd == prefix)
        return false;
    const size_t idEnd = line.find(L' ', kindEnd + 1);
    if (idEnd == std::wstring::npos || idEnd == kindEnd + 1)
        return false;
    int id = 0;
    for (size_t i = kindEnd + 1; i < idEnd; ++i) {
        const wchar_t c = line[i];
        if (c < L'0' || c > L'9' || id >= 100000000)
            return false;
        id = id * 10 + (c - L'0');
    }
    entry->kind = line.substr(prefix, kindEnd - prefix);
    entry->id = id;
    entry->text = Unescape(line.substr(idEnd + 1));
    return true;
}
