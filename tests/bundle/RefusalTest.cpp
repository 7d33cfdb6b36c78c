// A refusal travels as one line of a tool's output: whatever its subject
// (an entry name from the bundle), the line reads as no result but the
// unknown error, comes back whole, and shows as one printable Chinese line.
#include <gtest/gtest.h>

#include <string>

#include "bundle/Refusal.h"
#include "device/InstallResult.h"
#include "platform/Text.h"

TEST(Refusal, NoSubjectReadsAsAResultAndEveryOneComesBack)
{
    const std::string subjects[] = {"",
                                    "-",
                                    "Success.apk",
                                    "device not found",
                                    "more than one device and emulator",
                                    "[INSTALL_FAILED_DEXOPT]",
                                    "No space left on device",
                                    "安装 包.apk\n:x%41",
                                    "korvel_helper: refused no-base -"};
    for (int c = 1; c <= static_cast<int>(RefusalCode::NotNewerUncounted); ++c) {
        for (const std::string& subject : subjects) {
            const Refusal refusal(static_cast<RefusalCode>(c), subject);
            const std::string line = RefusalLine(refusal);
            SCOPED_TRACE(line);
            EXPECT_EQ(line.find('\n'), std::string::npos);
            EXPECT_EQ(ClassifyInstallOutput(Utf8ToWide(line)), InstallUnknownError);
            EXPECT_EQ(FindRefusal("adb: said\n" + line + "\nmore\n"), refusal);
            const std::wstring text = RefusalText(refusal);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos);
        }
    }
    EXPECT_EQ(RefusalText({RefusalCode::MissingFile, "安装 包.apk\n"}), L"安装包缺少文件 安装 包.apk?，无法安装");
    // The facts of a subject fill the words in turn.
    EXPECT_EQ(RefusalText({RefusalCode::ServerPortHeld, std::string("5037\x1F") + "AdbHelper.exe\x1F" + "1234"}),
              L"端口 5037 被 AdbHelper.exe（进程 1234）占用，请关闭它后重试");
    // Only a line of its own is a refusal.
    EXPECT_FALSE(FindRefusal("x korvel_helper: refused no-base -: x"));
    EXPECT_FALSE(FindRefusal("korvel_helper: refused unknown-thing -: x"));
}

TEST(Refusal, EachFailureIsNamedByTheWordsTodaysAdbAndPhonesUse)
{
    const struct {
        const char* says;
        Refusal failure;
    } cases[] = {
        {"adb server version (31) doesn't match this client (41); killing...\nADB server didn't ACK\n"
         "* failed to start daemon\nerror: cannot connect to daemon",
         {RefusalCode::ServerPortUnknown, "5038"}},
        {"adb: error: failed to get feature set: protocol fault (couldn't read status): Success",
         {RefusalCode::ServerPortUnknown, "5038"}},
        {"error: could not install *smartsocket* listener: cannot bind to 127.0.0.1:5038: (10048)",
         {RefusalCode::ServerPortUnknown, "5038"}},
        {"adb: error: failed to get feature set: device unauthorized.\nThis adb server's $ADB_VENDOR_KEYS is not "
         "set\nTry 'adb kill-server' if that seems wrong.\nOtherwise check for a confirmation dialog on your device.",
         {RefusalCode::Unauthorized}},
        {"adb: error: failed to get feature set: device offline", {RefusalCode::Offline}},
        {"adb: error: failed to get feature set: no devices/emulators found", {RefusalCode::NoPhone}},
        {"adb: error: failed to get feature set: device 'R5 \"x\"' not found", {RefusalCode::NoPhone}},
        {"adb: failed to install a.apk: Failure [INSTALL_FAILED_USER_RESTRICTED: Install canceled by user]",
         {RefusalCode::UserRestricted}},
        {"adb: failed to install a.apk: Failure [INSTALL_FAILED_UPDATE_INCOMPATIBLE: Package com.x signatures do "
         "not match previously installed version; ignoring!]",
         {RefusalCode::OtherSigner}},
        {"adb: failed to install a.apk: Failure [INSTALL_FAILED_VERSION_DOWNGRADE: Downgrade detected: Update "
         "version code 7 is older than current 12]",
         {RefusalCode::NotNewer, "12\x1F" "7"}},
        {"Failure [INSTALL_FAILED_VERSION_DOWNGRADE]", {RefusalCode::NotNewerUncounted}},
        {"Success", {}},
        {"Failure [INSTALL_FAILED_INVALID_APK]", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureFromAdb(c.says, "5038"), c.failure) << c.says;
    EXPECT_EQ(RefusalText({RefusalCode::NotNewer, "12\x1F" "7"}), L"手机上的版本 12 比安装包的 7 新，请先卸载");
}
