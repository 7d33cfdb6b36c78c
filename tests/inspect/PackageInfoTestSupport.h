// Shared by the package record tests: the diagnostic lines an inspection
// writes, kept per test, and the look of a record whose inspection failed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"

namespace package_test {

inline std::vector<std::wstring> g_lines;

inline void Capture(const std::wstring& line)
{
    g_lines.push_back(line);
}

// Collects the diagnostic lines of one test in g_lines.
class WithDiagnostics : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_lines.clear();
        previous_ = SetDiagnosticSink(&Capture);
    }
    void TearDown() override { SetDiagnosticSink(previous_); }

private:
    DiagnosticSink previous_ = nullptr;
};

inline void ExpectTextFieldsEmpty(const PackageInfo& p)
{
    EXPECT_EQ(p.GetLabel(), L"");
    EXPECT_EQ(p.GetPackageName(), L"");
    EXPECT_EQ(p.GetVersionName(), L"");
    EXPECT_EQ(p.GetSdkVersion(), L"");
    EXPECT_EQ(p.GetIconPath(), L"");
}

}  // namespace package_test
