// The catalogue of permission titles: titles and levels as the product's
// own table of permissions writes them, the counts by level, and exact
// look-ups.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "inspect/PermissionCatalogue.h"

TEST(PermissionCatalogue, TitlesLevelsAndCountsAsWrittenAndExactLookups)
{
    PermissionCatalogue c;
    BuildPermissionCatalogue(c);
    BuildPermissionCatalogue(c);  // building again adds nothing
    ASSERT_EQ(c.size(), 135u) << "names are unique";
    const struct {
        const wchar_t *name, *level, *title;
    } written[] = {
        {L"android.permission.SEND_SMS", L"dangerous", L"发送短信"},
        {L"android.permission.INTERNET", L"dangerous", L"完全的互联网访问权限"},
        {L"android.permission.ACCESS_FINE_LOCATION", L"dangerous", L"精准的(GPS)位置"},
        {L"android.permission.VIBRATE", L"normal", L"控制振动器"},
        {L"android.permission.WRITE_SECURE_SETTINGS", L"signatureOrSystem", L"修改安全系统设置"},
    };
    for (const auto& w : written) {
        ASSERT_EQ(c.count(w.name), 1u) << w.name;
        EXPECT_EQ(c.at(w.name).level, w.level) << w.name;
        EXPECT_EQ(c.at(w.name).title, w.title) << w.name;
    }
    EXPECT_EQ(c.at(L"android.permission.INTERNET").description, L"允许应用程序创建网络套接字。");
    std::map<std::wstring, int> levels;
    for (const auto& entry : c)
        ++levels[entry.second.level];
    EXPECT_EQ(levels, (std::map<std::wstring, int>{
                          {L"dangerous", 56}, {L"normal", 21}, {L"signature", 33}, {L"signatureOrSystem", 25}}));
    for (const wchar_t* name : {L"android.permission.camera", L"Android.permission.CAMERA", L"android.permission.CAMERA ",
                                L"CAMERA", L"android.permission.POST_NOTIFICATIONS"})
        EXPECT_EQ(c.count(name), 0u) << "lookups are exact; later releases are unknown";
}
