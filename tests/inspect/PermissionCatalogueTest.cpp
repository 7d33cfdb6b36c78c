#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "inspect/PermissionCatalogue.h"

namespace {

const std::wstring kPrefix = L"android.permission.";

PermissionCatalogue Built()
{
    PermissionCatalogue c;
    BuildPermissionCatalogue(c);
    return c;
}

bool HasCjk(const std::wstring& text)
{
    for (wchar_t ch : text)
        if (ch >= 0x4E00 && ch <= 0x9FFF)
            return true;
    return false;
}

}  // namespace

TEST(PermissionCatalogue, TableShape)
{
    size_t count = 0;
    const PermissionRecord* rows = PermissionTable(&count);
    ASSERT_EQ(count, 135u);

    std::map<std::wstring, int> perLevel;
    std::set<std::wstring> names;
    std::set<std::wstring> foreign;
    for (size_t i = 0; i < count; ++i) {
        const std::wstring name = rows[i].name;
        names.insert(name);
        ++perLevel[rows[i].level];
        if (name.compare(0, kPrefix.size(), kPrefix) != 0)
            foreign.insert(name);
    }
    EXPECT_EQ(names.size(), 135u) << "names must be unique";
    EXPECT_EQ(perLevel.size(), 4u) << "no level outside the four known ones";
    EXPECT_EQ(perLevel[L"dangerous"], 56);
    EXPECT_EQ(perLevel[L"normal"], 21);
    EXPECT_EQ(perLevel[L"signature"], 33);
    EXPECT_EQ(perLevel[L"signatureOrSystem"], 25);
    EXPECT_EQ(foreign, (std::set<std::wstring>{
                           L"com.android.browser.permission.READ_HISTORY_BOOKMARKS",
                           L"com.android.browser.permission.WRITE_HISTORY_BOOKMARKS",
                           L"com.android.alarm.permission.SET_ALARM"}));
}

TEST(PermissionCatalogue, TableOrderAtTheEnds)
{
    size_t count = 0;
    const PermissionRecord* rows = PermissionTable(&count);
    ASSERT_EQ(count, 135u);
    EXPECT_EQ(std::wstring(rows[0].name), L"android.permission.SEND_SMS");
    EXPECT_EQ(std::wstring(rows[21].name), L"android.permission.INTERNET");
    EXPECT_EQ(std::wstring(rows[134].name), L"android.permission.COPY_PROTECTED_DATA");
}

TEST(PermissionCatalogue, BuildCopiesEveryRow)
{
    size_t count = 0;
    const PermissionRecord* rows = PermissionTable(&count);
    PermissionCatalogue c = Built();
    ASSERT_EQ(c.size(), count);
    for (size_t i = 0; i < count; ++i) {
        auto it = c.find(rows[i].name);
        ASSERT_NE(it, c.end()) << i;
        EXPECT_EQ(it->second.level, rows[i].level) << i;
        EXPECT_EQ(it->second.title, rows[i].title) << i;
        EXPECT_EQ(it->second.description, rows[i].description) << i;
    }
}

TEST(PermissionCatalogue, InternetIsDangerousFullAccess)
{
    PermissionCatalogue c = Built();
    const PermissionInfo& info = c.at(L"android.permission.INTERNET");
    EXPECT_EQ(info.level, L"dangerous");
    EXPECT_EQ(info.title, L"完全的互联网访问权限");
}

TEST(PermissionCatalogue, LookupIsExact)
{
    PermissionCatalogue c = Built();
    EXPECT_EQ(c.count(L"android.permission.CAMERA"), 1u);
    EXPECT_EQ(c.count(L"android.permission.camera"), 0u);
    EXPECT_EQ(c.count(L"Android.permission.CAMERA"), 0u);
    EXPECT_EQ(c.count(L"android.permission.CAMERA "), 0u);
    EXPECT_EQ(c.count(L" android.permission.CAMERA"), 0u);
    EXPECT_EQ(c.count(L"CAMERA"), 0u);
    EXPECT_EQ(c.count(L"android.permission.POST_NOTIFICATIONS"), 0u) << "later releases are unknown";
    EXPECT_EQ(c.size(), 135u) << "looking up never adds entries";
}

TEST(PermissionCatalogue, PairsThatShareATitle)
{
    PermissionCatalogue c = Built();
    const PermissionInfo& restart = c.at(L"android.permission.RESTART_PACKAGES");
    const PermissionInfo& kill = c.at(L"android.permission.KILL_BACKGROUND_PROCESSES");
    EXPECT_EQ(restart.title, L"结束后台进程");
    EXPECT_EQ(kill.title, L"结束后台进程");
    EXPECT_EQ(restart.level, L"normal");
    EXPECT_EQ(kill.level, L"normal");

    const PermissionInfo& update = c.at(L"android.permission.UPDATE_DEVICE_STATS");
    const PermissionInfo& battery = c.at(L"android.permission.BATTERY_STATS");
    EXPECT_EQ(update.title, L"修改电池统计信息");
    EXPECT_EQ(battery.title, L"修改电池统计信息");
    EXPECT_EQ(update.level, L"signatureOrSystem");
    EXPECT_EQ(battery.level, L"normal");

    // No other titles repeat.
    std::map<std::wstring, int> titles;
    for (const auto& entry : c)
        ++titles[entry.second.title];
    EXPECT_EQ(titles.size(), 133u);
}

TEST(PermissionCatalogue, FixedDescriptions)
{
    PermissionCatalogue c = Built();
    EXPECT_EQ(c.at(L"android.permission.SEND_SMS").description,
              L"允许应用程序发送短信。恶意应用程序可能会不经您的确认就发送信息，给您带来费用。");
    EXPECT_EQ(c.at(L"android.permission.INTERNET").description, L"允许应用程序创建网络套接字。");
    EXPECT_EQ(c.at(L"android.permission.WRITE_USER_DICTIONARY").description,
              L"允许应用程序向用户词典中写入新词。");
    EXPECT_EQ(c.at(L"android.permission.WRITE_EXTERNAL_STORAGE").description,
              L"允许应用程序写入 SD 卡。");
    EXPECT_EQ(c.at(L"android.permission.ACCOUNT_MANAGER").description,
              L"允许应用程序呼叫 AccountAuthenticators");
    EXPECT_EQ(c.at(L"android.permission.KILL_BACKGROUND_PROCESSES").description,
              L"无论内存资源是否紧张，都允许应用程序结束其他应用程序的后台进程。");
    const PermissionInfo& copy = c.at(L"android.permission.COPY_PROTECTED_DATA");
    EXPECT_EQ(copy.description, L"允许调用默认容器服务复制内容。普通的应用程序无需此权限。");
    EXPECT_EQ(copy.title, copy.description) << "this title is the whole sentence";
}

TEST(PermissionCatalogue, EveryRowHasChineseTextAndAKnownLevel)
{
    const std::set<std::wstring> levels{L"normal", L"dangerous", L"signature", L"signatureOrSystem"};
    for (const auto& entry : Built()) {
        EXPECT_TRUE(levels.count(entry.second.level)) << entry.first;
        EXPECT_TRUE(HasCjk(entry.second.title)) << entry.first;
        EXPECT_FALSE(entry.second.description.empty()) << entry.first;
        EXPECT_TRUE(HasCjk(entry.second.description)) << entry.first;
    }
}

TEST(PermissionCatalogue, BuildingAgainAddsNothing)
{
    PermissionCatalogue c;
    BuildPermissionCatalogue(c);
    BuildPermissionCatalogue(c);
    EXPECT_EQ(c.size(), 135u);
    EXPECT_EQ(c.at(L"android.permission.INTERNET").title, L"完全的互联网访问权限");
}
