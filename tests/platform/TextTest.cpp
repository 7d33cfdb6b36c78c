#include <gtest/gtest.h>

#include "platform/Text.h"

TEST(Text, RoundTripsChineseAndAscii)
{
    std::wstring wide = L"安装 Korvel 演示.apk";
    std::string utf8 = WideToUtf8(wide);
    EXPECT_EQ(utf8, "\xe5\xae\x89\xe8\xa3\x85 Korvel \xe6\xbc\x94\xe7\xa4\xba.apk");
    EXPECT_EQ(Utf8ToWide(utf8), wide);
}

TEST(Text, BrokenSequencesBecomeReplacementWithoutSwallowingNeighbours)
{
    // A lead byte cut off by the end, a stray continuation byte, and an
    // overlong '/' each give one U+FFFD; the ASCII around them survives.
    EXPECT_EQ(Utf8ToWide(std::string("a\xe5\xae")), std::wstring(L"a\xFFFD"));
    EXPECT_EQ(Utf8ToWide(std::string("a\x80" "b")), std::wstring(L"a\xFFFD" L"b"));
    EXPECT_EQ(Utf8ToWide(std::string("\xc0\xaf" "x")).back(), L'x');
#ifndef _WIN32
    // Wine's converter swallows the byte after a truncated lead; ours does not.
    EXPECT_EQ(Utf8ToWide(std::string("\xe5" "b")), std::wstring(L"\xFFFD" L"b"));
#endif
}

TEST(Text, ChunkCutInsideACharacterDecodesAsTwoBrokenPieces)
{
    std::string ch = "\xe4\xb8\xad";  // 中
    std::wstring first = Utf8ToWide(ch.substr(0, 2));
    std::wstring second = Utf8ToWide(ch.substr(2));
    EXPECT_EQ(first.find(L'中'), std::wstring::npos);
    EXPECT_EQ(second.find(L'中'), std::wstring::npos);
    EXPECT_FALSE(first.empty());
    EXPECT_FALSE(second.empty());
}

TEST(Text, EmptyInputs)
{
    EXPECT_EQ(Utf8ToWide(std::string()), std::wstring());
    EXPECT_EQ(WideToUtf8(std::wstring()), std::string());
}
