// The version resources of the built programs carry the project's version
// (TARVO_EXPECTED_VERSION, from CMake) and a Chinese description that reads
// back as written, in the Chinese (simplified) UTF-16 string table.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/Text.h"

namespace {

struct VersionFacts {
    VS_FIXEDFILEINFO fixed{};
    std::vector<std::pair<WORD, WORD>> translations;
    std::vector<BYTE> block;
};

bool ReadVersion(const std::wstring& file, VersionFacts* facts)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return false;
    facts->block.assign(size, 0);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, facts->block.data()))
        return false;
    void* data = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(facts->block.data(), L"\\", &data, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return false;
    facts->fixed = *static_cast<VS_FIXEDFILEINFO*>(data);
    if (VerQueryValueW(facts->block.data(), L"\\VarFileInfo\\Translation", &data, &length)) {
        const WORD* words = static_cast<const WORD*>(data);
        for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2)
            facts->translations.emplace_back(words[i], words[i + 1]);
    }
    return true;
}

// A value of the Chinese (simplified) UTF-16 string table ("080404b0");
// empty if missing.
std::wstring StringValue(const VersionFacts& facts, const wchar_t* name)
{
    std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    void* data = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(facts.block.data(), query.c_str(), &data, &length) || length == 0)
        return std::wstring();
    return std::wstring(static_cast<const wchar_t*>(data));
}

// "1.2.3" -> {1, 2, 3, 0}.
std::vector<WORD> VersionNumbers(const std::string& text)
{
    std::vector<WORD> numbers;
    size_t start = 0;
    while (start <= text.size() && numbers.size() < 4) {
        size_t dot = text.find('.', start);
        numbers.push_back(static_cast<WORD>(std::atoi(text.substr(start, dot - start).c_str())));
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    numbers.resize(4, 0);
    return numbers;
}

void ExpectFixedVersion(const VS_FIXEDFILEINFO& fixed, DWORD ms, DWORD ls)
{
    EXPECT_EQ(fixed.dwFileVersionMS, ms);
    EXPECT_EQ(fixed.dwFileVersionLS, ls);
    EXPECT_EQ(fixed.dwProductVersionMS, ms);
    EXPECT_EQ(fixed.dwProductVersionLS, ls);
}

// Chinese text read back as it was written: no Latin-1 look-alikes of UTF-8
// bytes, at least one CJK character.
bool IsCleanChinese(const std::wstring& text)
{
    bool cjk = false;
    for (wchar_t c : text) {
        if (c >= 0x80 && c < 0x3000)
            return false;
        cjk = cjk || (c >= 0x4E00 && c <= 0x9FFF);
    }
    return cjk;
}

class ProgramVersion : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(ProgramVersion, CarriesTheProjectVersionAndProductFacts)
{
    const std::wstring name = GetParam();
    VersionFacts facts;
    ASSERT_TRUE(ReadVersion(testing_support::Beside(name), &facts)) << WideToUtf8(name);

    std::vector<WORD> n = VersionNumbers(TARVO_EXPECTED_VERSION);
    ExpectFixedVersion(facts.fixed, MAKELONG(n[1], n[0]), MAKELONG(n[3], n[2]));

    const std::wstring version = Utf8ToWide(TARVO_EXPECTED_VERSION);
    EXPECT_EQ(StringValue(facts, L"FileVersion"), version);
    std::wstring description = StringValue(facts, L"FileDescription");
    EXPECT_NE(description.find(L"KorvelTarvo"), std::wstring::npos) << WideToUtf8(description);
    EXPECT_TRUE(IsCleanChinese(description)) << WideToUtf8(description);
    // Only the Chinese (simplified) UTF-16 translation.
    EXPECT_EQ(facts.translations, (std::vector<std::pair<WORD, WORD>>{{0x0804, 1200}}));
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramVersion, ::testing::Values(L"KorvelTarvo", L"korvel_helper"));

}  // namespace
