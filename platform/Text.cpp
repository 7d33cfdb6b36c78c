#include "platform/Text.h"

#ifndef _WIN32
#include <locale.h>
#include <wctype.h>
#endif

#ifdef _WIN32
#include <windows.h>

std::wstring Utf8ToWide(const char* bytes, size_t length)
{
    if (length == 0)
        return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(length), nullptr, 0);
    std::wstring out(n > 0 ? n : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(length), &out[0], n);
    return out;
}

std::string WideToUtf8(const std::wstring& wide)
{
    if (wide.empty())
        return std::string();
    int len = static_cast<int>(wide.size());
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), len, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), len, &out[0], n, nullptr, nullptr);
    return out;
}

#else

namespace {

const wchar_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, 0 when it cannot start one.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

void AppendUtf8(std::string& out, unsigned long cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::wstring Utf8ToWide(const char* bytes, size_t length)
{
    std::wstring out;
    out.reserve(length);
    const unsigned char* s = reinterpret_cast<const unsigned char*>(bytes);
    size_t i = 0;
    while (i < length) {
        int len = SequenceLength(s[i]);
        if (len == 1) {
            out += static_cast<wchar_t>(s[i++]);
            continue;
        }
        if (len == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        unsigned long cp = s[i] & (0xFF >> (len + 1));
        int got = 1;
        for (; got < len && i + got < length; ++got) {
            unsigned char c = s[i + got];
            // The second byte's range rules out overlong forms and surrogates.
            unsigned char lo = 0x80, hi = 0xBF;
            if (got == 1) {
                if (s[i] == 0xE0) lo = 0xA0;
                if (s[i] == 0xED) hi = 0x9F;
                if (s[i] == 0xF0) lo = 0x90;
                if (s[i] == 0xF4) hi = 0x8F;
            }
            if (c < lo || c > hi)
                break;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (got < len) {
            // A broken sequence is one replacement; the byte that broke it starts anew.
            out += kReplacement;
            i += got;
            continue;
        }
        out += static_cast<wchar_t>(cp);
        i += len;
    }
    return out;
}

std::string WideToUtf8(const std::wstring& wide)
{
    std::string out;
    out.reserve(wide.size());
    for (wchar_t ch : wide) {
        unsigned long cp = static_cast<unsigned long>(ch);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            cp = 0xFFFD;
        AppendUtf8(out, cp);
    }
    return out;
}

#endif

std::wstring Utf8ToWide(const std::string& utf8)
{
    return Utf8ToWide(utf8.data(), utf8.size());
}

#ifdef _WIN32
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}
#else
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    // C.UTF-8 knows every letter's case; the default "C" locale only ASCII's.
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const wint_t x = static_cast<wint_t>(a[i]), y = static_cast<wint_t>(b[i]);
        if (x != y && (utf8 ? towupper_l(x, utf8) != towupper_l(y, utf8) : towupper(x) != towupper(y)))
            return false;
    }
    return true;
}
#endif

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string PercentEscaped(const std::string& text, bool (*keep)(unsigned char))
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (keep(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string PercentUnescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int hi = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        const int lo = hi >= 0 ? HexValue(text[i + 2]) : -1;
        if (lo >= 0) {
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}
