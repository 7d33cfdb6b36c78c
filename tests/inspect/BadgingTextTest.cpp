#include <gtest/gtest.h>

#include "inspect/BadgingText.h"

namespace {

// Shaped like the real tool's output, with today's permission lines.
const wchar_t kBadging[] =
    L"package: name='com.korvel.demo' versionCode='12' versionName='1.2.3' platformBuildVersionName=''\r\n"
    L"sdkVersion:'8'\r\n"
    L"targetSdkVersion:'15'\r\n"
    L"uses-permission: name='android.permission.INTERNET'\r\n"
    L"uses-permission: name='android.permission.SEND_SMS'\r\n"
    L"application-label:'Demo'\r\n"
    L"application: label='Bob's Tool' icon='res/drawable-mdpi/icon.png'\r\n"
    L"launchable-activity: name='com.korvel.demo.Main'  label='' icon=''\r\n";

}  // namespace

TEST(BadgingText, ReadsEveryFieldOfARealShapedDump)
{
    BadgingFields f = ParseBadgingFields(kBadging);
    EXPECT_EQ(f.packageName, L"com.korvel.demo");
    EXPECT_EQ(f.versionName, L"1.2.3");
    EXPECT_EQ(f.sdkVersion, L"Android 2.2");
    EXPECT_EQ(f.label, L"Bob's Tool") << "the quote inside the label is kept";
    EXPECT_EQ(f.iconPath, L"res/drawable-mdpi/icon.png");
}

TEST(BadgingText, LabelWithoutIconEndsAtTheNextQuote)
{
    EXPECT_EQ(ParseBadgingFields(L"application: label='Bob's Tool'\n").label, L"Bob");
    EXPECT_EQ(ParseBadgingFields(L"application: label='安装助手'\n").label, L"安装助手");
    // The pattern's own closing quote is no end mark.
    EXPECT_EQ(ParseBadgingFields(L"application: label=' icon=x'").label, L" icon=x");
}

TEST(BadgingText, MissingPatternsAndMissingEndMarks)
{
    BadgingFields none = ParseBadgingFields(L"zipro W 1 Error opening archive x.apk: Invalid file\n");
    EXPECT_TRUE(none.label.empty());
    EXPECT_TRUE(none.packageName.empty());
    EXPECT_TRUE(none.versionName.empty());
    EXPECT_TRUE(none.sdkVersion.empty());
    EXPECT_TRUE(none.iconPath.empty());
    // No closing quote: the value runs to the end of the text.
    EXPECT_EQ(ParseBadgingFields(L"package: name='com.cut.off").packageName, L"com.cut.off");
    EXPECT_EQ(ParseBadgingFields(L"x\nversionName='").versionName, L"");
}

TEST(BadgingText, OnlyTheTargetSdkLineGivesNoMinimum)
{
    EXPECT_EQ(ParseBadgingFields(L"targetSdkVersion:'8'\n").sdkVersion, L"");
}

TEST(BadgingText, SdkNamesAndLevelsWithoutOne)
{
    EXPECT_EQ(MapSdkLevel(L"2"), L"Android 1.1");
    EXPECT_EQ(MapSdkLevel(L"7"), L"Android 2.1");
    EXPECT_EQ(MapSdkLevel(L"10"), L"Android 2.3.3");
    EXPECT_EQ(MapSdkLevel(L"14"), L"Android 4.0");
    EXPECT_EQ(MapSdkLevel(L"6"), L"6");
    EXPECT_EQ(MapSdkLevel(L"1"), L"1");
    EXPECT_EQ(MapSdkLevel(L"15"), L"15");
    EXPECT_EQ(MapSdkLevel(L"8 "), L"8 ");
    EXPECT_EQ(MapSdkLevel(L"Tiramisu"), L"Tiramisu");
}

TEST(BadgingText, IconComesFromTheFirstLineHoldingIcon)
{
    EXPECT_EQ(ParseBadgingFields(L"application-icon-160:'res/a.png'\nlaunchable-activity: icon='res/b.png'\n"
                                 L"application: label='X' icon='res/c.png'\n").iconPath,
              L"res/b.png");
}

TEST(BadgingText, DumpFailedAnywhere)
{
    EXPECT_TRUE(HasDumpFailed(std::wstring(kBadging) + L"ERROR: dump failed because resource table\n"));
    EXPECT_FALSE(HasDumpFailed(L"error: dump failed"));
}

TEST(BadgingText, PermissionsOfBothFormsInOutputOrderWithDuplicates)
{
    std::vector<std::wstring> names = RequestedPermissionNames(
        L"uses-permission: name='android.permission.INTERNET'\n"
        L"uses-permission:'android.permission.SEND_SMS'\n"
        L"uses-implied-permission: name='android.permission.READ_PHONE_STATE' reason='x'\n"
        L"uses-permission: name='android.permission.INTERNET' maxSdkVersion='18'\n"
        L"uses-permission:'android.permission.CAMERA'\n");
    EXPECT_EQ(names, (std::vector<std::wstring>{L"android.permission.INTERNET", L"android.permission.SEND_SMS",
                                                L"android.permission.INTERNET", L"android.permission.CAMERA"}));
}

TEST(BadgingText, PermissionWithoutClosingQuoteEndsTheList)
{
    std::vector<std::wstring> names = RequestedPermissionNames(
        L"uses-permission:'android.permission.CAMERA'\nuses-permission: name='android.permission.VIB");
    EXPECT_EQ(names, std::vector<std::wstring>{L"android.permission.CAMERA"});
    EXPECT_TRUE(RequestedPermissionNames(L"").empty());
}

TEST(BadgingText, SizeTextAtEveryThreshold)
{
    EXPECT_EQ(FormatFileSize(0), L"0.00 Byte");
    EXPECT_EQ(FormatFileSize(1023), L"1023.00 Byte");
    EXPECT_EQ(FormatFileSize(1024), L"1.00 KB");
    EXPECT_EQ(FormatFileSize(1536), L"1.50 KB");
    EXPECT_EQ(FormatFileSize(1048575), L"1024.00 KB");
    EXPECT_EQ(FormatFileSize(1048576), L"1.00 MB");
    EXPECT_EQ(FormatFileSize(3428000), L"3.27 MB");
    EXPECT_EQ(FormatFileSize(1073741823), L"1024.00 MB");
    EXPECT_EQ(FormatFileSize(1073741824), L"1.00 GB");
    EXPECT_EQ(FormatFileSize(5.0 * 1073741824), L"5.00 GB");
}

TEST(BadgingText, SeveralMegabytesOfOutputReadInFull)
{
    // A hostile tool floods its output; the fields at the far end are still found.
    std::wstring text;
    const std::wstring line = L"uses-permission: name='android.permission.INTERNET'\n";
    for (int i = 0; i < 100000; ++i)
        text += line;
    text += std::wstring(1 << 20, L'x');
    text += L"\npackage: name='com.flood' versionName='9'\napplication: label='Flood";
    EXPECT_EQ(RequestedPermissionNames(text).size(), 100000u);
    BadgingFields f = ParseBadgingFields(text);
    EXPECT_EQ(f.packageName, L"com.flood");
    EXPECT_EQ(f.versionName, L"9");
    EXPECT_EQ(f.label, L"Flood") << "without its closing quote the label runs to the end";
}
