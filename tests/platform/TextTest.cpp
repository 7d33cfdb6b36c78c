// UTF-8 and UTF-16 in one place: round trips and broken input.
#include <gtest/gtest.h>

#include "platform/Text.h"

TEST(Text, RoundTripsAndBrokenSequencesBecomeOneReplacementEach)
{
    const std::wstring wide = L"安装 Korvel 演示.apk";
    const std::string utf8 = WideToUtf8(wide);
    EXPECT_EQ(utf8, "\xe5\xae\x89\xe8\xa3\x85 Korvel \xe6\xbc\x94\xe7\xa4\xba.apk");
    EXPECT_EQ(Utf8ToWide(utf8), wide);
    EXPECT_EQ(Utf8ToWide(std::string()), std::wstring());
    EXPECT_EQ(WideToUtf8(std::wstring()), std::string());
    // A lead byte cut off by the end, a stray continuation byte, and an
    // overlong '/' each give U+FFFD; the ASCII around them survives.
    EXPECT_EQ(Utf8ToWide(std::string("a\xe5\xae")), std::wstring(L"a\xFFFD"));
    EXPECT_EQ(Utf8ToWide(std::string("a\x80" "b")), std::wstring(L"a\xFFFD" L"b"));
    EXPECT_EQ(Utf8ToWide(std::string("\xc0\xaf" "x")).back(), L'x');
#ifndef _WIN32
    // Wine's converter swallows the byte after a truncated lead; ours does not.
    EXPECT_EQ(Utf8ToWide(std::string("\xe5" "b")), std::wstring(L"\xFFFD" L"b"));
#endif
    // A chunk cut inside a character decodes as two broken pieces.
    EXPECT_EQ(Utf8ToWide("\xe4\xb8"), std::wstring(L"\xFFFD"));
    EXPECT_EQ(Utf8ToWide("\xad"), std::wstring(L"\xFFFD"));
}
