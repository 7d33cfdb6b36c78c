// Reading the inspection tool's output: the fields after their patterns,
// sdk names, the permission lines of both forms and the size texts.
#include <gtest/gtest.h>

#include "inspect/BadgingText.h"

TEST(BadgingText, FieldsFollowTheirPatternsAndEndAtTheirMarks)
{
    // Shaped like the real tool's output, with today's permission lines.
    BadgingFields f = ParseBadgingFields(
        L"package: name='com.korvel.demo' versionCode='12' versionName='1.2.3' platformBuildVersionName=''\r\n"
        L"sdkVersion:'8'\r\ntargetSdkVersion:'15'\r\nuses-permission: name='android.permission.INTERNET'\r\n"
        L"application-label:'Demo'\r\napplication: label='Bob's Tool' icon='res/drawable-mdpi/icon.png'\r\n"
        L"launchable-activity: name='com.korvel.demo.Main'  label='' icon=''\r\n");
    EXPECT_EQ(f.packageName, L"com.korvel.demo");
    EXPECT_EQ(f.versionName, L"1.2.3");
    EXPECT_EQ(f.sdkVersion, L"Android 2.2");
    EXPECT_EQ(f.label, L"Bob's Tool") << "a quote inside the label is kept before \"' icon=\"";
    EXPECT_EQ(f.iconPath, L"res/drawable-mdpi/icon.png");

    EXPECT_EQ(ParseBadgingFields(L"application: label='Bob's Tool'\n").label, L"Bob") << "without icon: the next quote";
    EXPECT_EQ(ParseBadgingFields(L"application: label=' icon=x'").label, L" icon=x");
    EXPECT_EQ(ParseBadgingFields(L"package: name='com.cut.off").packageName, L"com.cut.off") << "to the end";
    EXPECT_EQ(ParseBadgingFields(L"targetSdkVersion:'8'\n").sdkVersion, L"") << "no minimum";
    EXPECT_EQ(ParseBadgingFields(L"application-icon-160:'res/a.png'\nlaunchable-activity: icon='res/b.png'\n"
                                 L"application: label='X' icon='res/c.png'\n").iconPath,
              L"res/b.png") << "the first line holding icon='";
    BadgingFields none = ParseBadgingFields(L"zipro W 1 Error opening archive x.apk: Invalid file\n");
    EXPECT_TRUE(none.label.empty() && none.packageName.empty() && none.sdkVersion.empty() && none.iconPath.empty());
    EXPECT_TRUE(HasDumpFailed(L"x\nERROR: dump failed because resource table\n"));
    EXPECT_FALSE(HasDumpFailed(L"error: dump failed"));
}

TEST(BadgingText, SdkNamesAndLevelsWithoutOne)
{
    const struct {
        const wchar_t *level, *name;
    } cases[] = {{L"2", L"Android 1.1"}, {L"7", L"Android 2.1"}, {L"10", L"Android 2.3.3"}, {L"14", L"Android 4.0"},
                 {L"6", L"6"},           {L"1", L"1"},           {L"15", L"15"},            {L"8 ", L"8 "}};
    for (const auto& c : cases)
        EXPECT_EQ(MapSdkLevel(c.level), c.name) << c.level;
}

TEST(BadgingText, PermissionsOfBothFormsInOutputOrderUntilOneIsCutOff)
{
    std::vector<std::wstring> names = RequestedPermissionNames(
        L"uses-permission: name='android.permission.INTERNET'\nuses-permission:'android.permission.SEND_SMS'\n"
        L"uses-implied-permission: name='android.permission.READ_PHONE_STATE' reason='x'\n"
        L"uses-permission: name='android.permission.INTERNET' maxSdkVersion='18'\n"
        L"uses-permission:'android.permission.CAMERA'\nuses-permission: name='android.permission.VIB");
    EXPECT_EQ(names, (std::vector<std::wstring>{L"android.permission.INTERNET", L"android.permission.SEND_SMS",
                                                L"android.permission.INTERNET", L"android.permission.CAMERA"}));
}

TEST(BadgingText, SizeTextAtEveryThreshold)
{
    const struct {
        double bytes;
        const wchar_t* text;
    } cases[] = {{0, L"0.00 Byte"},         {1023, L"1023.00 Byte"},        {1024, L"1.00 KB"},
                 {1536, L"1.50 KB"},        {1048575, L"1024.00 KB"},       {1048576, L"1.00 MB"},
                 {3428000, L"3.27 MB"},     {1073741823, L"1024.00 MB"},    {1073741824, L"1.00 GB"},
                 {5.0 * 1073741824, L"5.00 GB"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatFileSize(c.bytes), c.text) << c.bytes;
}
