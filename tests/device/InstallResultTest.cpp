// Classification of the bridge tool's output: every rule, their order, and
// outputs no real tool would print.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "device/InstallResult.h"

TEST(InstallResultNumbers, AreTheFixedOnesAndNamed)
{
    struct { InstallResult result; int number; const wchar_t* name; } all[] = {
        {InstallUnknownError, -1, L"InstallUnknownError"},
        {InstallSuccess, 0, L"InstallSuccess"},
        {InstallNoDevice, 1, L"InstallNoDevice"},
        {InstallAlreadyExists, 2, L"InstallAlreadyExists"},
        {InstallInsufficientStorage, 3, L"InstallInsufficientStorage"},
        {InstallPackageNotFound, 4, L"InstallPackageNotFound"},
        {InstallDexoptFailed, 6, L"InstallDexoptFailed"},
        {InstallMultipleDevices, 7, L"InstallMultipleDevices"},
        {InstallNoSpaceLeft, 11, L"InstallNoSpaceLeft"},
        {InstallInconsistentCertificates, 12, L"InstallInconsistentCertificates"},
    };
    static_assert(sizeof(InstallResult) == 4, "travels as a signed 32-bit number");
    for (const auto& r : all) {
        EXPECT_EQ(static_cast<int>(r.result), r.number);
        EXPECT_STREQ(InstallResultName(r.number), r.name);
    }
    // Numbers that are no result read as unknown.
    for (int other : {5, 8, 9, 10, 13, -2, 0x7fffffff})
        EXPECT_STREQ(InstallResultName(other), L"InstallUnknownError") << other;
}

TEST(InstallResultNumbers, OnlyDeviceAndSpaceProblemsEndTheBatch)
{
    for (int ends : {1, 3, 7, 11})
        EXPECT_TRUE(EndsBatch(ends)) << ends;
    for (int goesOn : {-1, 0, 2, 4, 6, 12, 5})
        EXPECT_FALSE(EndsBatch(goesOn)) << goesOn;
}

TEST(ClassifyInstallOutput, EachPatternGivesItsResult)
{
    EXPECT_EQ(ClassifyInstallOutput(L""), InstallNoDevice);
    EXPECT_EQ(ClassifyInstallOutput(L"Success\r\n"), InstallSuccess);
    EXPECT_EQ(ClassifyInstallOutput(L"3101 KB/s (24611 bytes in 0.007s)\r\n"
                                    L"\tpkg: /data/local/tmp/tmpA1B2.tmp\r\nSuccess\r\n"),
              InstallSuccess);
    EXPECT_EQ(ClassifyInstallOutput(L"error: device not found\r\n"), InstallNoDevice);
    EXPECT_EQ(ClassifyInstallOutput(L"error: more than one device and emulator\r\n"), InstallMultipleDevices);
    EXPECT_EQ(ClassifyInstallOutput(L"Failure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]\r\n"),
              InstallInconsistentCertificates);
    EXPECT_EQ(ClassifyInstallOutput(L"Failure [INSTALL_FAILED_ALREADY_EXISTS]\r\n"), InstallAlreadyExists);
    EXPECT_EQ(ClassifyInstallOutput(L"Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE]\r\n"),
              InstallInsufficientStorage);
    EXPECT_EQ(ClassifyInstallOutput(L"failed to copy 'a' to 'b': No space left on device\r\n"),
              InstallNoSpaceLeft);
    EXPECT_EQ(ClassifyInstallOutput(L"Failure [INSTALL_FAILED_DEXOPT]\r\n"), InstallDexoptFailed);
    EXPECT_EQ(ClassifyInstallOutput(L"Failure [INSTALL_FAILED_INVALID_APK]\r\n"), InstallUnknownError);
    // Today's adb words "no device" differently; that is not one of the patterns.
    EXPECT_EQ(ClassifyInstallOutput(L"adb: error: failed to get feature set: no devices/emulators found\n"),
              InstallUnknownError);
}

TEST(ClassifyInstallOutput, EarlierRulesWinOverLaterOnes)
{
    // Rule 2 before rule 3: a success beside "device not found" is no device...
    EXPECT_EQ(ClassifyInstallOutput(L"Success\r\nerror: device not found\r\n"), InstallNoDevice);
    // ...unless "more than one device" is present too; then "Success" decides.
    EXPECT_EQ(ClassifyInstallOutput(L"device not found more than one device and emulator Success"), InstallSuccess);
    EXPECT_EQ(ClassifyInstallOutput(L"error: device not found\r\nerror: more than one device and emulator\r\n"),
              InstallMultipleDevices);
    // Success before every failure code.
    EXPECT_EQ(ClassifyInstallOutput(L"Failure [INSTALL_FAILED_DEXOPT]\r\nSuccess"), InstallSuccess);
    EXPECT_EQ(ClassifyInstallOutput(L"more than one device and emulator INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES"),
              InstallMultipleDevices);
    EXPECT_EQ(ClassifyInstallOutput(L"INSTALL_FAILED_ALREADY_EXISTS INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES"),
              InstallInconsistentCertificates);
    EXPECT_EQ(ClassifyInstallOutput(L"[INSTALL_FAILED_INSUFFICIENT_STORAGE] INSTALL_FAILED_ALREADY_EXISTS"),
              InstallAlreadyExists);
    // Insufficient storage is 3 even with the "no space" text beside it.
    EXPECT_EQ(ClassifyInstallOutput(L"No space left on device\r\nFailure [INSTALL_FAILED_INSUFFICIENT_STORAGE]"),
              InstallInsufficientStorage);
    EXPECT_EQ(ClassifyInstallOutput(L"[INSTALL_FAILED_DEXOPT] No space left on device"), InstallNoSpaceLeft);
}

TEST(ClassifyInstallOutput, PatternsAreCaseSensitiveAndExact)
{
    EXPECT_EQ(ClassifyInstallOutput(L"success"), InstallUnknownError);
    EXPECT_EQ(ClassifyInstallOutput(L"SUCCESS"), InstallUnknownError);
    EXPECT_EQ(ClassifyInstallOutput(L"Device not found"), InstallUnknownError);
    // Brackets belong to these two patterns.
    EXPECT_EQ(ClassifyInstallOutput(L"INSTALL_FAILED_INSUFFICIENT_STORAGE"), InstallUnknownError);
    EXPECT_EQ(ClassifyInstallOutput(L"INSTALL_FAILED_DEXOPT"), InstallUnknownError);
    EXPECT_EQ(ClassifyInstallOutput(L"Succes"), InstallUnknownError);
    EXPECT_EQ(ClassifyInstallOutput(L"\r\n"), InstallUnknownError);
}

TEST(ClassifyInstallOutput, HostileOutputIsClassifiedSafely)
{
    // Zero characters, broken UTF-8 replacements and Chinese around a pattern.
    std::wstring zeros(std::wstring(L"\0\0", 2) + L"Success" + std::wstring(L"\0", 1));
    EXPECT_EQ(ClassifyInstallOutput(zeros), InstallSuccess);
    EXPECT_EQ(ClassifyInstallOutput(L"\xFFFD\xFFFD安装失败 Failure [INSTALL_FAILED_DEXOPT]\xFFFD"), InstallDexoptFailed);
    EXPECT_EQ(ClassifyInstallOutput(std::wstring(1, L'\0')), InstallUnknownError);

    // Megabytes of chatter with the decisive text at the very end.
    std::wstring huge(4 * 1024 * 1024, L'x');
    EXPECT_EQ(ClassifyInstallOutput(huge), InstallUnknownError);
    EXPECT_EQ(ClassifyInstallOutput(huge + L"No space left on device"), InstallNoSpaceLeft);
    EXPECT_EQ(ClassifyInstallOutput(huge + L"Success" + huge + L"device not found"), InstallNoDevice);
    // A pattern cut short at the end of the text does not match.
    EXPECT_EQ(ClassifyInstallOutput(huge + L"more than one device and emulato"), InstallUnknownError);
}

namespace {

// The patterns in the order their rules are tried; "device not found" comes
// first but yields to "more than one device and emulator".
const wchar_t* const kPatterns[] = {
    L"device not found", L"Success", L"more than one device and emulator",
    L"INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES", L"INSTALL_FAILED_ALREADY_EXISTS",
    L"[INSTALL_FAILED_INSUFFICIENT_STORAGE]", L"No space left on device", L"[INSTALL_FAILED_DEXOPT]",
};
const InstallResult kOutcomes[] = {
    InstallNoDevice, InstallSuccess, InstallMultipleDevices, InstallInconsistentCertificates,
    InstallAlreadyExists, InstallInsufficientStorage, InstallNoSpaceLeft, InstallDexoptFailed,
};

}  // namespace

TEST(ClassifyInstallOutput, RandomMixturesFollowTheRuleOrder)
{
    // Noise: near-misses (a pattern with its middle character replaced),
    // Chinese, line ends and zero characters, none of which completes a pattern.
    std::vector<std::wstring> noise = {L"\r\n", L"安装失败", std::wstring(1, L'\0'), L" 3101 KB/s ", L"\xFFFD"};
    for (const wchar_t* p : kPatterns) {
        std::wstring broken = p;
        broken[broken.size() / 2] = L'#';
        noise.push_back(broken);
    }
    std::mt19937 rng(20261206);
    for (int round = 0; round < 3000; ++round) {
        bool present[8] = {};
        std::wstring output = L"x";
        int pieces = static_cast<int>(rng() % 12);
        for (int i = 0; i < pieces; ++i) {
            if (rng() % 3 == 0) {
                size_t which = rng() % 8;
                present[which] = true;
                output += kPatterns[which];
            } else {
                output += noise[rng() % noise.size()];
            }
        }
        InstallResult expected = InstallUnknownError;
        if (present[0] && !present[2]) {
            expected = InstallNoDevice;
        } else {
            for (size_t rule = 1; rule < 8; ++rule) {
                if (present[rule]) {
                    expected = kOutcomes[rule];
                    break;
                }
            }
        }
        ASSERT_EQ(ClassifyInstallOutput(output), expected) << "round " << round;
    }
}
