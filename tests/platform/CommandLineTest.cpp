#include <gtest/gtest.h>

#include <set>

#include "platform/CommandLine.h"

using Parts = std::vector<std::wstring>;

TEST(CommandLine, SplitsAsWindowsDoes)
{
    const struct {
        const wchar_t* line;
        Parts parts;
    } cases[] = {
        {L"/opt/aapt d badging \"/tmp/空格 目录/my app.apk\"", {L"/opt/aapt", L"d", L"badging", L"/tmp/空格 目录/my app.apk"}},
        {L"helper  -nv install -s -r /tmp/tmp1A2B.tmp ", {L"helper", L"-nv", L"install", L"-s", L"-r", L"/tmp/tmp1A2B.tmp"}},
        {L"a\\\\b \"c\\\"d\" e\\\\\\\"f \"g\\\\\"", {L"a\\\\b", L"c\"d", L"e\\\"f", L"g\\"}},
        {L"\"\" x", {L"", L"x"}},
        {L"   \t ", {}},
        {L"tool \"open end", {L"tool", L"open end"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.parts) << testing::PrintToString(std::wstring(c.line));
}

TEST(WideArguments, DecodesFromTheFirstIndexOn)
{
    char program[] = "tool", blank[] = "", chinese[] = "\xE5\xAE\x89\xE8\xA3\x85 1.apk";
    char* argv[] = {program, blank, chinese, nullptr};
    EXPECT_EQ(WideArguments(3, argv), (Parts{L"", L"安装 1.apk"}));
    EXPECT_EQ(WideArguments(3, argv, 0), (Parts{L"tool", L"", L"安装 1.apk"}));
    EXPECT_TRUE(WideArguments(1, argv).empty());
}

TEST(SpawnArguments, UtfEightStringsEndedByANullPointer)
{
    SpawnArguments none({});
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.Program(), nullptr);
    EXPECT_EQ(none.Argv()[0], nullptr);

    SpawnArguments args({L"/usr/bin/aapt", L"d", L"badging", L"安装 助手.apk", L""});
    ASSERT_FALSE(args.Empty());
    EXPECT_STREQ(args.Program(), "/usr/bin/aapt");
    char* const* argv = args.Argv();
    EXPECT_STREQ(argv[0], "/usr/bin/aapt");
    EXPECT_STREQ(argv[3], "\xE5\xAE\x89\xE8\xA3\x85 \xE5\x8A\xA9\xE6\x89\x8B.apk");
    EXPECT_STREQ(argv[4], "");
    EXPECT_EQ(argv[5], nullptr);
}

TEST(CommandLine, UnquotedProgramPathWithBlanksIsFoundAsCreateProcessFindsIt)
{
    const std::set<std::wstring> programs = {L"/opt/my tools/aapt", L"/opt/my"};
    auto isProgram = [&](const std::wstring& path) { return programs.count(path) > 0; };
    using Args = std::vector<std::wstring>;
    // The shortest prefix that is a program wins, as on Windows.
    EXPECT_EQ(SplitProgramLine(L"/opt/my tools/aapt d badging \"/a b.apk\"", isProgram),
              (Args{L"/opt/my", L"tools/aapt", L"d", L"badging", L"/a b.apk"}));
    EXPECT_EQ(SplitProgramLine(L"/opt/my tools/aapt d badging \"/a b.apk\"",
                               [](const std::wstring& p) { return p == L"/opt/my tools/aapt"; }),
              (Args{L"/opt/my tools/aapt", L"d", L"badging", L"/a b.apk"}));
    // Quoted, or no prefix a program: the plain split.
    EXPECT_EQ(SplitProgramLine(L"\"/opt/my tools/aapt\" d", isProgram), (Args{L"/opt/my tools/aapt", L"d"}));
    EXPECT_EQ(SplitProgramLine(L"/usr/bin/x -nv y", isProgram), (Args{L"/usr/bin/x", L"-nv", L"y"}));
    EXPECT_EQ(SplitProgramLine(L"", isProgram), Args{});
}
