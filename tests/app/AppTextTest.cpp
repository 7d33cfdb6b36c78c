// Command-line quoting, the hand-over record and the package texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/CopyDataText.h"
#include "app/PackageText.h"
#include "app/PhoneText.h"
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

TEST(StripQuotes, TheFirstQuotedPartOrTheWholeText)
{
    const struct {
        const wchar_t *in, *out;
    } cases[] = {{L"\"C:\\My Apps\\a b.apk\"", L"C:\\My Apps\\a b.apk"}, {L"C:\\plain path.apk", L"C:\\plain path.apk"},
                 {L"", L""}, {L"x \"in\" tail", L"in"}, {L"\"unterminated", L"unterminated"}, {L"\"\"", L""},
                 {L"\"a\" \"b\"", L"a"}, {L"\"\"\"\"\"", L""}};
    for (const auto& c : cases)
        EXPECT_EQ(StripQuotes(c.in), c.out) << testing::PrintToString(std::wstring(c.in));
}

TEST(CopyDataText, TheTextUpToItsFirstZeroWithinAnyCountAndHugeOrMissingDataRefused)
{
    const std::wstring cmd = L"\"D:\\apk\\游戏.apk\"";
    std::vector<unsigned char> b = Utf16Bytes(cmd, true);
    ASSERT_EQ(b.size(), CopyDataByteCount(cmd));
    std::vector<unsigned char> more = Utf16Bytes(L"cd", false);
    b.insert(b.end(), more.begin(), more.end());
    std::wstring text;
    ASSERT_TRUE(DecodeCopyDataText(b.data(), b.size(), &text));
    EXPECT_EQ(text, cmd);
    std::vector<unsigned char> odd = Utf16Bytes(L"abc", false);  // no terminator, an odd count
    odd.push_back('x');
    ASSERT_TRUE(DecodeCopyDataText(odd.data(), odd.size(), &text));
    EXPECT_EQ(text, L"abc");
    ASSERT_TRUE(DecodeCopyDataText(odd.data(), 1, &text));
    EXPECT_EQ(text, L"");
    const std::vector<unsigned char> empty = Utf16Bytes(L"", true);  // a second start without arguments
    text = L"stale";
    ASSERT_TRUE(DecodeCopyDataText(empty.data(), empty.size(), &text));
    EXPECT_TRUE(text.empty());
    ASSERT_TRUE(DecodeCopyDataText(nullptr, 0, &text));
    EXPECT_FALSE(DecodeCopyDataText(nullptr, 8, &text));
    std::vector<unsigned char> huge(1 << 20, 'a');
    text = L"stale";
    EXPECT_FALSE(DecodeCopyDataText(huge.data(), huge.size(), &text));
    EXPECT_TRUE(text.empty());
}

TEST(PackageText, ApkNamesLabelsPathsAndTexts)
{
    for (const wchar_t* yes : {L"C:\\a\\game.apk", L"C:\\a\\GAME.APK", L"C:\\a\\x.ApK", L"C:\\a\\s.apks",
                               L"C:\\a\\s.XAPK", L"C:\\a\\s.ApkM"})
        EXPECT_TRUE(IsPackagePath(yes)) << yes;
    for (const wchar_t* no : {L"C:\\a\\game.apk.bak", L"C:\\a\\apk", L"C:\\a\\game.apkx", L"C:\\a\\b.aab",
                              L"C:\\a\\b.zip", L""})
        EXPECT_FALSE(IsPackagePath(no)) << no;
    EXPECT_EQ(FileNameOf(L"C:\\dir\\"), L"");
    EXPECT_EQ(LabelFromPath(L"C:\\dir\\My.Game.apk"), L"My.Game");
    EXPECT_EQ(LabelFromPath(L"C:\\dir.x\\noext"), L"noext");
    // Every letter has its case, not only A to Z.
    EXPECT_TRUE(SamePathIgnoringCase(L"D:\\ÄPFEL\\ПРИЛОЖЕНИЕ.apk", L"d:\\äpfel\\приложение.APK"));
    EXPECT_FALSE(SamePathIgnoringCase(L"D:\\安装.apk", L"D:\\安裝.apk"));
    EXPECT_FALSE(SamePathIgnoringCase(L"C:\\a.apk", L"C:\\a.apk "));
    EXPECT_EQ(PermissionText({}), L"    ");
    EXPECT_EQ(PermissionText({L"A", L"B"}), L"    A \r\n    B \r\n    ");
    EXPECT_EQ(InstallingTip(L"a.apk"), L"正在安装 a.apk，请稍候...");
    // "正在安装 " is five characters: a twelve-character name still fits.
    EXPECT_EQ(ListProgressLine(L"abcdefghijkl"), L"正在安装 abcdefghijkl，请稍候...");
    EXPECT_EQ(ListProgressLine(L"abcdefghijklmnopqrstuvwxyz"), L"正在安装 abcdefghijklm...");
}

TEST(PhoneText, EntriesStayOneReadableLineWhateverAPhoneCallsItself)
{
    const std::vector<Phone> phones = {
        {"R5C\"x y\" 手机", "device", "Pixel_7", "14"},
        {"Q1", "unauthorized", "", ""},
        {"E2", "offline", "", ""},
        // A model of hostile bytes: line breaks, a direction override, bad UTF-8, far too long.
        {std::string(200, 'S'), "device", "a\r\nb\xE2\x80\xAE\xFF" + std::string(100, 'm'), ""},
    };
    const std::vector<PhoneEntry> entries = MenuEntries(phones);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].text, L"Pixel 7  Android 14  R5C\"x y\" 手机");
    EXPECT_EQ(entries[1].text, L"未授权：请在手机上允许 USB 调试  Q1");
    EXPECT_EQ(entries[2].text, L"离线  E2");
    EXPECT_EQ(entries[4].text, kEveryPhone);
    EXPECT_TRUE(entries[0].enabled && entries[3].enabled && entries[4].enabled);
    EXPECT_FALSE(entries[1].enabled || entries[2].enabled);
    const std::wstring& hostile = entries[3].text;
    EXPECT_EQ(hostile.find_first_of(L"\r\n\u202E"), std::wstring::npos);
    EXPECT_EQ(hostile.substr(0, 6), L"a\uFFFD\uFFFDb\uFFFD\uFFFD");
    EXPECT_LT(hostile.size(), 60u);
    // Nothing ready: every phone is shown, none can be chosen, nor all of them.
    EXPECT_FALSE(MenuEntries({phones[1]}).back().enabled);

    InstallTarget one{InstallTarget::Kind::OnePhone, phones[0]};
    EXPECT_EQ(TargetLine(one), L"安装到：Pixel 7");
    EXPECT_EQ(TargetLine({InstallTarget::Kind::EveryPhone, {}}), L"安装到：全部设备");
    EXPECT_EQ(TargetLine({}), L"");
    EXPECT_EQ(OutcomeLine({{phones[0], InstallSuccess}, {phones[1], InstallInconsistentCertificates},
                           {{"Z", "device", "", ""}, static_cast<InstallResult>(9)}}),
              L"Pixel 7：成功；Q1：签名冲突；Z：未知错误");
}
