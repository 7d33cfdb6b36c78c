// The package record end to end: command line, diagnostics, retry on a
// temporary copy, and (natively) the real inspection tool on real packages.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "CorpusManifest.h"
#include "TestSupport.h"
#include "inspect/BadgingText.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"

namespace {

std::vector<std::wstring> g_lines;

void Capture(const std::wstring& line) { g_lines.push_back(line); }

// Collects the diagnostic lines of one test in g_lines.
class PackageInfoTest : public ::testing::Test {
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

// The look of a record whose inspection failed.
void ExpectTextFieldsEmpty(const PackageInfo& p)
{
    EXPECT_EQ(p.GetLabel() + p.GetPackageName() + p.GetVersionName() + p.GetSdkVersion() + p.GetIconPath(), L"");
}

std::wstring Corpus(const std::wstring& name) { return testing_support::CorpusFile(name); }

}  // namespace

TEST_F(PackageInfoTest, TheCommandQuotesOnlyThePackageAndMissingOrSilentToolsLeaveAnEmptyRecord)
{
    PackageInfo p;  // the tool beside the program; nothing runs
    EXPECT_EQ(p.GetAaptPath(), GetModuleDirectory() + platform::kPathSeparator + L"aapt" + platform::kExeSuffix);
    const std::wstring tool = testing_support::Beside(L"scripttool");
    p.SetAaptPath(tool);
    p.SetApkPath(L"C:\\空格 目录\\my app.apk");
    EXPECT_EQ(p.BuildBadgingCommand(), tool + L" d badging \"C:\\空格 目录\\my app.apk\"");
    p.SetApkPath(L"");
    EXPECT_EQ(p.BuildBadgingCommand(), L"");
    EXPECT_EQ(g_lines, std::vector<std::wstring>{L"do not find apk!"});

    g_lines.clear();
    PackageInfo silent(tool, Corpus(L"notzip.apk"));  // the scripted tool prints nothing
    ExpectTextFieldsEmpty(silent);
    EXPECT_NE(silent.GetSize().find(L"Byte"), std::wstring::npos) << "the file is still measured";
    EXPECT_TRUE(g_lines.empty());
    EXPECT_EQ(PackageInfo(tool, Corpus(L"no such package.apk")).GetSize(), L"");
    PackageInfo copy = silent;
    EXPECT_EQ(copy.GetSize(), silent.GetSize());
}

#ifndef _WIN32
// The real Debian tool on the generated corpus. manifest.tsv holds what the
// corpus script put into each package, independent of the tool's output.
namespace {

const wchar_t kAapt[] = L"/usr/bin/aapt";

std::vector<std::wstring> SplitNames(const std::string& csv)
{
    std::vector<std::wstring> names;
    std::stringstream ss(csv);
    std::string name;
    while (std::getline(ss, name, ','))
        if (!name.empty())
            names.push_back(Utf8ToWide(name));
    return names;
}

std::wstring ExpectedSdk(const std::string& raw)
{
    static const std::map<std::string, std::wstring> kKnown = {
        {"", L""}, {"6", L"6"}, {"8", L"Android 2.2"}, {"15", L"15"}};
    auto it = kKnown.find(raw);
    return it == kKnown.end() ? L"?" + Utf8ToWide(raw) : it->second;
}

}  // namespace

TEST_F(PackageInfoTest, RealToolReadsEveryCorpusPackageAsBuilt)
{
    PermissionCatalogue catalogue;
    BuildPermissionCatalogue(catalogue);
    std::vector<corpus::Member> members = corpus::ReadManifest();
    ASSERT_GE(members.size(), 10u);
    for (const corpus::Member& m : members) {
        if (m.badgingResult != "ok")
            continue;
        SCOPED_TRACE(m.file);
        PackageInfo p(kAapt, corpus::PathOf(m.file));
        EXPECT_EQ(WideToUtf8(p.GetLabel()), m.label);
        EXPECT_EQ(WideToUtf8(p.GetPackageName()), m.package);
        EXPECT_EQ(WideToUtf8(p.GetVersionName()), m.versionName);
        EXPECT_EQ(p.GetSdkVersion(), ExpectedSdk(m.sdkVersion));
        EXPECT_EQ(WideToUtf8(p.GetIconPath()), m.iconPath);
        EXPECT_EQ(p.GetApkPath(), corpus::PathOf(m.file)) << "no retry for a readable package";
        EXPECT_FALSE(p.GetSize().empty());

        // Declared, then implied (printed after the application line), known ones only, duplicates kept.
        std::vector<std::wstring> titles;
        std::vector<std::wstring> requested = SplitNames(m.permissions);
        for (const std::wstring& n : SplitNames(m.implied))
            requested.push_back(n);
        for (const std::wstring& n : requested)
            if (catalogue.count(n))
                titles.push_back(catalogue[n].title);
        std::vector<std::wstring> got;
        for (const PermissionInfo& info : p.GetPermissions())
            got.push_back(info.title);
        EXPECT_EQ(got, titles);
    }
}

TEST_F(PackageInfoTest, RealToolDumpFailureRetriesOnATemporaryCopy)
{
    for (const char* file : {"notzip.apk", "truncated.apk"}) {
        SCOPED_TRACE(file);
        g_lines.clear();
        PackageInfo p(kAapt, corpus::PathOf(file));
        ExpectTextFieldsEmpty(p);
        EXPECT_TRUE(p.GetPermissions().empty());
        std::wstring folder;
        ASSERT_TRUE(platform::TempFolder(&folder));
        EXPECT_EQ(p.GetApkPath().substr(0, folder.size() + 3), folder + L"tmp") << "the copy is kept";
        EXPECT_TRUE(platform::FileExists(p.GetApkPath()));
        // Both runs fail; the second leaves its own (empty) fields, size included.
        EXPECT_EQ(g_lines, (std::vector<std::wstring>{L"error:dump failed!", L"copy file success!",
                                                      L"error:dump failed!"}));
        EXPECT_EQ(p.GetSize(), L"");
    }
}
#endif
