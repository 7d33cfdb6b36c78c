// The one place where text changes encoding.
#pragma once

#include <string>

// UTF-8 bytes to wide text; invalid sequences become U+FFFD.
std::wstring Utf8ToWide(const std::string& utf8);
std::wstring Utf8ToWide(const char* bytes, size_t length);
// Wide text to UTF-8; unpaired surrogates become U+FFFD.
std::string WideToUtf8(const std::wstring& wide);

// Equal when compared the way Windows compares file names: letter for
// letter, ignoring case for every letter (not only A to Z).
bool SameIgnoringCase(const std::wstring& a, const std::wstring& b);

// Bytes that `keep` refuses as "%XX" (upper-case hex digits), and back; a
// '%' not followed by two upper-case hex digits stays as it is. For text
// from outside that must stay one field, or hold no word of ours.
std::string PercentEscaped(const std::string& text, bool (*keep)(unsigned char));
std::string PercentUnescaped(const std::string& text);
