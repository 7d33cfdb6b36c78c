// The catalogue of permission titles: its table's shape and the lookup.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "inspect/PermissionCatalogue.h"

namespace {
bool HasCjk(const std::wstring& text)
{
    for (wchar_t ch : text)
        if (ch >= 0x4E00 && ch <= 0x9FFF)
            return true;
    return false;
}
}  // namespace

TEST(PermissionCatalogue, EveryRowOnceWithChineseTextAndAKnownLevel)
{
    size_t count = 0;
    const PermissionRecord* rows = PermissionTable(&count);
    ASSERT_EQ(count, 135u);
    PermissionCatalogue c;
    BuildPermissionCatalogue(c);
    BuildPermissionCatalogue(c);  // building again adds nothing
    ASSERT_EQ(c.size(), count) << "names are unique";
    const std::set<std::wstring> levels{L"normal", L"dangerous", L"signature", L"signatureOrSystem"};
    for (size_t i = 0; i < count; ++i) {
        const PermissionInfo& info = c.at(rows[i].name);
        EXPECT_EQ(info.title, rows[i].title) << i;
        EXPECT_EQ(info.description, rows[i].description) << i;
        EXPECT_TRUE(levels.count(info.level)) << rows[i].name;
        EXPECT_TRUE(HasCjk(info.title) && HasCjk(info.description)) << rows[i].name;
    }
    EXPECT_EQ(c.at(L"android.permission.INTERNET").title, L"完全的互联网访问权限");
    for (const wchar_t* name : {L"android.permission.camera", L"Android.permission.CAMERA", L"android.permission.CAMERA ",
                                L"CAMERA", L"android.permission.POST_NOTIFICATIONS"})
        EXPECT_EQ(c.count(name), 0u) << "lookups are exact; later releases are unknown";
    EXPECT_EQ(c.count(L"android.permission.CAMERA"), 1u);
}
