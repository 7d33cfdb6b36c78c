// Environment variables: wide round trips, removal, and refused names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Environment.h"
#include "platform/Text.h"

namespace {

const wchar_t kName[] = L"TARVO_ENVIRONMENT_TEST";

// What the runtime library's own copy holds, as programs reading it see it.
std::wstring RuntimeCopy(const wchar_t* name)
{
#ifdef _WIN32
    const wchar_t* value = _wgetenv(name);
    return value ? std::wstring(value) : L"(unset)";
#else
    const char* value = std::getenv(WideToUtf8(name).c_str());
    return value ? Utf8ToWide(value) : L"(unset)";
#endif
}

class Environment : public ::testing::Test {
protected:
    void TearDown() override { platform::SetEnvironmentValue(kName, L""); }
};

}  // namespace

TEST_F(Environment, SetReadReplaceRemove)
{
    EXPECT_EQ(platform::EnvironmentValue(kName), L"");
    const std::wstring chinese = L"安装 包\\路径 with blanks";
    ASSERT_TRUE(platform::SetEnvironmentValue(kName, chinese));
    EXPECT_EQ(platform::EnvironmentValue(kName), chinese);
    EXPECT_EQ(RuntimeCopy(kName), chinese);

    ASSERT_TRUE(platform::SetEnvironmentValue(kName, L"x"));
    EXPECT_EQ(platform::EnvironmentValue(kName), L"x");
    EXPECT_EQ(RuntimeCopy(kName), L"x");

    ASSERT_TRUE(platform::SetEnvironmentValue(kName, L""));
    EXPECT_EQ(platform::EnvironmentValue(kName), L"");
    EXPECT_EQ(RuntimeCopy(kName), L"(unset)");
    // Removing what is not there is no failure.
    EXPECT_TRUE(platform::SetEnvironmentValue(kName, L""));
    // Longer than a first buffer of 256 comes back whole.
    const std::wstring longer(5000, L'v');
    ASSERT_TRUE(platform::SetEnvironmentValue(kName, longer));
    EXPECT_EQ(platform::EnvironmentValue(kName), longer);
    ASSERT_TRUE(platform::SetEnvironmentValue(kName, longer.substr(0, 256)));
    EXPECT_EQ(platform::EnvironmentValue(kName).size(), 256u);
}
