// Environment variables as the program reads them (the diagnostics file,
// adb's folders): wide values of any length come back whole.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

TEST(Environment, ChineseAndLongValuesComeBackWhole)
{
    const wchar_t kName[] = L"TARVO_ENVIRONMENT_TEST";
    EXPECT_EQ(platform::EnvironmentValue(kName), L"");
    // Longer than a first buffer of 256.
    const std::wstring value = L"安装 包\\路径 " + std::wstring(5000, L'v');
    testing_support::SetEnvironmentValue(kName, value);
    EXPECT_EQ(platform::EnvironmentValue(kName), value);
    testing_support::SetEnvironmentValue(kName, L"");
    EXPECT_EQ(platform::EnvironmentValue(kName), L"");
}
