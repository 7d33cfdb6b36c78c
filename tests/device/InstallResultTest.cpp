// Classification of the bridge tool's output: every rule, their order, and
// outputs no real tool would print. (The rule order over random mixtures is
// the install-output fuzz target's invariant.)
#include <gtest/gtest.h>

#include <string>

#include "device/InstallResult.h"

TEST(InstallResultNumbers, AreTheFixedOnesNamedAndOnlyDeviceAndSpaceProblemsEndTheBatch)
{
    struct { InstallResult result; int number; const wchar_t* name; bool endsBatch; } all[] = {
        {InstallUnknownError, -1, L"InstallUnknownError", false},
        {InstallSuccess, 0, L"InstallSuccess", false},
        {InstallNoDevice, 1, L"InstallNoDevice", true},
        {InstallAlreadyExists, 2, L"InstallAlreadyExists", false},
        {InstallInsufficientStorage, 3, L"InstallInsufficientStorage", true},
        {InstallPackageNotFound, 4, L"InstallPackageNotFound", false},
        {InstallDexoptFailed, 6, L"InstallDexoptFailed", false},
        {InstallMultipleDevices, 7, L"InstallMultipleDevices", true},
        {InstallNoSpaceLeft, 11, L"InstallNoSpaceLeft", true},
        {InstallInconsistentCertificates, 12, L"InstallInconsistentCertificates", false},
    };
    static_assert(sizeof(InstallResult) == 4, "travels as a signed 32-bit number");
    for (const auto& r : all) {
        EXPECT_EQ(static_cast<int>(r.result), r.number);
        EXPECT_STREQ(InstallResultName(r.number), r.name);
        EXPECT_EQ(EndsBatch(r.number), r.endsBatch) << r.number;
    }
    for (int other : {5, 8, 9, 10, 13, -2, 0x7fffffff}) {
        EXPECT_STREQ(InstallResultName(other), L"InstallUnknownError") << other;
        EXPECT_FALSE(EndsBatch(other));
    }
}

TEST(ClassifyInstallOutput, EachPatternItsResultEarlierRulesFirstCaseAndBracketsExact)
{
    const struct {
        const wchar_t* output;
        InstallResult result;
    } cases[] = {
        {L"", InstallNoDevice},
        {L"3101 KB/s (24611 bytes in 0.007s)\r\n\tpkg: /data/local/tmp/tmpA1B2.tmp\r\nSuccess\r\n", InstallSuccess},
        {L"error: device not found\r\n", InstallNoDevice},
        {L"error: more than one device and emulator\r\n", InstallMultipleDevices},
        {L"Failure [INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES]\r\n", InstallInconsistentCertificates},
        {L"Failure [INSTALL_FAILED_ALREADY_EXISTS]\r\n", InstallAlreadyExists},
        {L"Failure [INSTALL_FAILED_INSUFFICIENT_STORAGE]\r\n", InstallInsufficientStorage},
        {L"failed to copy 'a' to 'b': No space left on device\r\n", InstallNoSpaceLeft},
        {L"Failure [INSTALL_FAILED_DEXOPT]\r\n", InstallDexoptFailed},
        {L"Failure [INSTALL_FAILED_INVALID_APK]\r\n", InstallUnknownError},
        // Today's adb words "no device" differently; that is not one of the patterns.
        {L"adb: error: failed to get feature set: no devices/emulators found\n", InstallUnknownError},
        // "device not found" before "Success", unless "more than one device" is there too.
        {L"Success\r\nerror: device not found\r\n", InstallNoDevice},
        {L"device not found more than one device and emulator Success", InstallSuccess},
        {L"error: device not found\r\nerror: more than one device and emulator\r\n", InstallMultipleDevices},
        {L"Failure [INSTALL_FAILED_DEXOPT]\r\nSuccess", InstallSuccess},
        {L"more than one device and emulator INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES", InstallMultipleDevices},
        {L"INSTALL_FAILED_ALREADY_EXISTS INSTALL_PARSE_FAILED_INCONSISTENT_CERTIFICATES", InstallInconsistentCertificates},
        {L"[INSTALL_FAILED_INSUFFICIENT_STORAGE] INSTALL_FAILED_ALREADY_EXISTS", InstallAlreadyExists},
        {L"No space left on device\r\nFailure [INSTALL_FAILED_INSUFFICIENT_STORAGE]", InstallInsufficientStorage},
        {L"[INSTALL_FAILED_DEXOPT] No space left on device", InstallNoSpaceLeft},
        {L"success", InstallUnknownError},
        {L"Device not found", InstallUnknownError},
        {L"INSTALL_FAILED_INSUFFICIENT_STORAGE", InstallUnknownError},
        {L"INSTALL_FAILED_DEXOPT", InstallUnknownError},
        {L"\r\n", InstallUnknownError},
        {L"\xFFFD\xFFFD安装失败 Failure [INSTALL_FAILED_DEXOPT]\xFFFD", InstallDexoptFailed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyInstallOutput(c.output), c.result) << testing::PrintToString(std::wstring(c.output));
}

TEST(ClassifyInstallOutput, ZerosAreClassifiedSafely)
{
    EXPECT_EQ(ClassifyInstallOutput(std::wstring(L"\0\0", 2) + L"Success" + std::wstring(L"\0", 1)), InstallSuccess);
    EXPECT_EQ(ClassifyInstallOutput(std::wstring(1, L'\0')), InstallUnknownError);
}
