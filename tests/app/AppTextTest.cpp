// Command-line quoting, the hand-over record and the package texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/CopyDataText.h"
#include "app/PackageText.h"
#include "app/StripQuotes.h"

namespace {

std::vector<unsigned char> Utf16Bytes(const std::wstring& s, bool terminate)
{
    std::vector<unsigned char> b;
    for (wchar_t c : s) {
        b.push_back(static_cast<unsigned char>(c & 0xFF));
        b.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
    }
    if (terminate) {
        b.push_back(0);
        b.push_back(0);
    }
    return b;
}

}  // namespace

TEST(StripQuotes, QuotedPathWithBlanksLosesOnlyTheQuotes)
{
    EXPECT_EQ(StripQuotes(L"\"C:\\My Apps\\a b.apk\""), L"C:\\My Apps\\a b.apk");
    EXPECT_EQ(StripQuotes(L"C:\\plain path.apk"), L"C:\\plain path.apk");
    EXPECT_EQ(StripQuotes(L""), L"");
}

TEST(StripQuotes, TextAroundAndBetweenQuotesIsDropped)
{
    EXPECT_EQ(StripQuotes(L"x \"in\" tail"), L"in");
    EXPECT_EQ(StripQuotes(L"\"unterminated"), L"unterminated");
    EXPECT_EQ(StripQuotes(L"\"\""), L"");
    // The first quoted part wins; what follows its closing quote is gone.
    EXPECT_EQ(StripQuotes(L"\"a\" \"b\""), L"a");
    EXPECT_EQ(StripQuotes(L"\"\"\"\"\""), L"");
}

TEST(CopyDataText, DecodesTheTextUpToItsTerminator)
{
    std::wstring cmd = L"\"D:\\apk\\游戏.apk\"";
    std::vector<unsigned char> b = Utf16Bytes(cmd, true);
    ASSERT_EQ(b.size(), CopyDataByteCount(cmd));
    std::wstring text;
    ASSERT_TRUE(DecodeCopyDataText(b.data(), b.size(), &text));
    EXPECT_EQ(text, cmd);
}

TEST(CopyDataText, SecondStartWithoutArgumentsIsAnEmptyText)
{
    std::vector<unsigned char> b = Utf16Bytes(L"", true);
    ASSERT_EQ(b.size(), 2u);
    std::wstring text = L"stale";
    ASSERT_TRUE(DecodeCopyDataText(b.data(), b.size(), &text));
    EXPECT_TRUE(text.empty());
}

TEST(CopyDataText, RecordsOfAnyCountAreReadWithinIt)
{
    std::wstring text;
    // No terminator: the whole count is the text.
    std::vector<unsigned char> noZero = Utf16Bytes(L"abc", false);
    ASSERT_TRUE(DecodeCopyDataText(noZero.data(), noZero.size(), &text));
    EXPECT_EQ(text, L"abc");
    // An odd count drops its last byte.
    std::vector<unsigned char> odd = Utf16Bytes(L"abc", false);
    odd.push_back('x');
    ASSERT_TRUE(DecodeCopyDataText(odd.data(), odd.size(), &text));
    EXPECT_EQ(text, L"abc");
    ASSERT_TRUE(DecodeCopyDataText(odd.data(), 1, &text));
    EXPECT_EQ(text, L"");
    ASSERT_TRUE(DecodeCopyDataText(nullptr, 0, &text));
    EXPECT_EQ(text, L"");
    // Refused: no data behind a count, or more than any command line.
    EXPECT_FALSE(DecodeCopyDataText(nullptr, 8, &text));
    std::vector<unsigned char> huge(1 << 20, 'a');
    text = L"stale";
    EXPECT_FALSE(DecodeCopyDataText(huge.data(), huge.size(), &text));
    EXPECT_TRUE(text.empty());
}

TEST(CopyDataText, TextEndsAtTheFirstZero)
{
    std::vector<unsigned char> b = Utf16Bytes(L"ab", true);
    std::vector<unsigned char> more = Utf16Bytes(L"cd", false);
    b.insert(b.end(), more.begin(), more.end());
    std::wstring text;
    ASSERT_TRUE(DecodeCopyDataText(b.data(), b.size(), &text));
    EXPECT_EQ(text, L"ab");
}

TEST(PackageText, ApkExtensionInAnyCaseOnly)
{
    EXPECT_TRUE(IsApkPath(L"C:\\a\\game.apk"));
    EXPECT_TRUE(IsApkPath(L"C:\\a\\GAME.APK"));
    EXPECT_TRUE(IsApkPath(L"C:\\a\\x.ApK"));
    EXPECT_FALSE(IsApkPath(L"C:\\a\\game.apk.bak"));
    EXPECT_FALSE(IsApkPath(L"C:\\a\\apk"));
    EXPECT_FALSE(IsApkPath(L"C:\\a\\game.apkx"));
    EXPECT_FALSE(IsApkPath(L""));
}

TEST(PackageText, FileNamesAndLabels)
{
    EXPECT_EQ(FileNameOf(L"C:\\dir\\My.Game.apk"), L"My.Game.apk");
    EXPECT_EQ(FileNameOf(L"plain.apk"), L"plain.apk");
    EXPECT_EQ(FileNameOf(L"C:\\dir\\"), L"");
    EXPECT_EQ(LabelFromPath(L"C:\\dir\\My.Game.apk"), L"My.Game");
    EXPECT_EQ(LabelFromPath(L"C:\\dir.x\\noext"), L"noext");
    EXPECT_TRUE(SamePathIgnoringCase(L"C:\\A\\b.APK", L"c:\\a\\B.apk"));
    // Every letter has its case, not only A to Z.
    EXPECT_TRUE(SamePathIgnoringCase(L"D:\\ÄPFEL\\ПРИЛОЖЕНИЕ.apk", L"d:\\äpfel\\приложение.APK"));
    EXPECT_FALSE(SamePathIgnoringCase(L"D:\\安装.apk", L"D:\\安裝.apk"));
    EXPECT_FALSE(SamePathIgnoringCase(L"C:\\a.apk", L"C:\\a.apk "));
}

TEST(PackageText, PermissionTextIndentsEachTitle)
{
    EXPECT_EQ(PermissionText({}), L"    ");
    EXPECT_EQ(PermissionText({L"A", L"B"}), L"    A \r\n    B \r\n    ");
}

TEST(PackageText, ProgressLines)
{
    EXPECT_EQ(InstallingTip(L"a.apk"), L"正在安装 a.apk，请稍候...");
    // "正在安装 " is five characters: a twelve-character name still fits.
    EXPECT_EQ(ListProgressLine(L"abcdefghijkl"), L"正在安装 abcdefghijkl，请稍候...");
    EXPECT_EQ(ListProgressLine(L"abcdefghijklm"), L"正在安装 abcdefghijklm...");
    EXPECT_EQ(ListProgressLine(L"abcdefghijklmnopqrstuvwxyz"), L"正在安装 abcdefghijklm...");
}
