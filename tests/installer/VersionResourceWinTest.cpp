// The version resources of the shipped programs carry the project's version
// (TARVO_EXPECTED_VERSION, from CMake) and a Chinese description that reads
// back as written, in the one Chinese (simplified) UTF-16 string table.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/Text.h"

namespace {

class ProgramVersion : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(ProgramVersion, CarriesTheProjectVersionAndAChineseDescription)
{
    const std::wstring file = testing_support::Beside(GetParam());
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    auto query = [&](const wchar_t* path, UINT* length) {
        void* data = nullptr;
        return VerQueryValueW(block.data(), path, &data, length) ? data : nullptr;
    };
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\", &length));
    ASSERT_TRUE(fixed && length >= sizeof(*fixed));
    unsigned n[4] = {};
    sscanf(TARVO_EXPECTED_VERSION, "%u.%u.%u.%u", &n[0], &n[1], &n[2], &n[3]);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(n[1], n[0]));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(n[3], n[2]));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    const auto* translation = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_TRUE(translation && length == 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
    auto text = [&](const wchar_t* name) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
        const auto* value = static_cast<const wchar_t*>(query(path.c_str(), &length));
        return value ? std::wstring(value) : std::wstring();
    };
    EXPECT_EQ(text(L"FileVersion"), Utf8ToWide(TARVO_EXPECTED_VERSION));
    // Read back as written: no Latin-1 look-alikes of UTF-8 bytes, some CJK.
    const std::wstring description = text(L"FileDescription");
    EXPECT_NE(description.find(L"KorvelTarvo"), std::wstring::npos) << WideToUtf8(description);
    bool cjk = false;
    for (wchar_t c : description) {
        EXPECT_FALSE(c >= 0x80 && c < 0x3000) << WideToUtf8(description);
        cjk = cjk || (c >= 0x4E00 && c <= 0x9FFF);
    }
    EXPECT_TRUE(cjk) << WideToUtf8(description);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramVersion, ::testing::Values(L"KorvelTarvo", L"korvel_helper"));

}  // namespace
