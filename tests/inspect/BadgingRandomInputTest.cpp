// Hostile tool output: random splices of real patterns and junk, a fixed
// seed and count, run under the sanitizers. Every value read must be a
// piece of the text, and nothing may crash or over-read.
#include <gtest/gtest.h>

#include <random>

#include "inspect/BadgingText.h"

namespace {

const wchar_t* const kPieces[] = {
    L"application: label='", L"' icon=", L"'", L"package: name='", L"versionName='", L"sdkVersion:'",
    L"targetSdkVersion:'", L"icon='", L"uses-permission:'", L"uses-permission: name='",
    L"android.permission.INTERNET", L"ERROR: dump failed", L"\r\n", L"\n", L" ", L"安装", L"\0", L"8",
};

std::wstring RandomOutput(std::mt19937& rng)
{
    std::wstring text;
    int parts = static_cast<int>(rng() % 40);
    for (int i = 0; i < parts; ++i) {
        if (rng() % 4 == 0) {
            text += static_cast<wchar_t>(rng() % 0x3000);
        } else {
            text += kPieces[rng() % (sizeof kPieces / sizeof kPieces[0])];
        }
    }
    return text;
}

}  // namespace

TEST(BadgingRandomInput, FieldsAreAlwaysPiecesOfTheText)
{
    std::mt19937 rng(20261206);
    for (int round = 0; round < 20000; ++round) {
        std::wstring text = RandomOutput(rng);
        BadgingFields f = ParseBadgingFields(text);
        for (const std::wstring* v : {&f.label, &f.packageName, &f.versionName, &f.iconPath})
            ASSERT_NE(text.find(*v), std::wstring::npos) << round;
        for (const std::wstring& name : RequestedPermissionNames(text)) {
            ASSERT_NE(text.find(name), std::wstring::npos) << round;
            ASSERT_EQ(name.find(L'\''), std::wstring::npos) << round;
        }
        HasDumpFailed(text);
    }
}
