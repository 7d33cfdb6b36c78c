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
    for (int c = 1; c <= static_cast<int>(RefusalCode::ExpansionNotCopied); ++c) {
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
    // Only a line of its own is a refusal.
    EXPECT_FALSE(FindRefusal("x korvel_helper: refused no-base -: x"));
    EXPECT_FALSE(FindRefusal("korvel_helper: refused unknown-thing -: x"));
}
