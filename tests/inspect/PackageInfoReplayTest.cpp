// The package record against the replaying inspection tool: the captured
// real output of each corpus package, picked by the package's bytes, and the
// tool's scripted failures. Runs on both targets; on Windows this is the
// whole path through CreateProcessW and the pipe.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CorpusManifest.h"
#include "FakeAaptSupport.h"
#include "PackageInfoTestSupport.h"
#include "ScratchFile.h"
#include "inspect/BadgingText.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"

namespace {

using package_test::ExpectTextFieldsEmpty;
using package_test::g_lines;

class PackageInfoReplayTest : public package_test::WithDiagnostics {
protected:
    fake_aapt::Scope aapt_;
};

// Fields against what the corpus script put into the package.
void ExpectFieldsOf(const PackageInfo& p, const corpus::Member& m)
{
    ASSERT_FALSE(m.file.empty());
    EXPECT_EQ(WideToUtf8(p.GetLabel()), m.label);
    EXPECT_EQ(WideToUtf8(p.GetPackageName()), m.package);
    EXPECT_EQ(WideToUtf8(p.GetVersionName()), m.versionName);
    EXPECT_EQ(p.GetSdkVersion(), MapSdkLevel(Utf8ToWide(m.sdkVersion)));
    EXPECT_EQ(WideToUtf8(p.GetIconPath()), m.iconPath);
}

std::vector<std::wstring> Titles(const PackageInfo& p)
{
    std::vector<std::wstring> titles;
    for (const PermissionInfo& info : p.GetPermissions())
        titles.push_back(info.title);
    return titles;
}

std::wstring FileName(const std::wstring& path)
{
    size_t slash = path.rfind(platform::kPathSeparator);
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// A retried record names a fresh "tmpX.tmp" in the temporary folder: one to
// four hex digits (Wine does not pad them to four, Windows and ours do).
void ExpectTemporaryCopy(const std::wstring& path)
{
    std::wstring folder;
    ASSERT_TRUE(platform::TempFolder(&folder));
    EXPECT_EQ(path.compare(0, folder.size(), folder), 0) << WideToUtf8(path);
    const std::wstring name = FileName(path);
    SCOPED_TRACE(WideToUtf8(name));
    ASSERT_GE(name.size(), 8u);
    ASSERT_LE(name.size(), 11u);
    EXPECT_EQ(name.compare(0, 3, L"tmp"), 0);
    EXPECT_EQ(name.substr(name.size() - 4), L".tmp");
    EXPECT_EQ(name.substr(3, name.size() - 7).find_first_not_of(L"0123456789abcdefABCDEF"), std::wstring::npos);
    EXPECT_TRUE(platform::FileExists(path));
}

PermissionCatalogue Catalogue()
{
    PermissionCatalogue c;
    BuildPermissionCatalogue(c);
    return c;
}

}  // namespace

TEST_F(PackageInfoReplayTest, EveryCorpusPackageGivesItsFieldsInPlace)
{
    for (const corpus::Member& m : corpus::ReadManifest()) {
        if (m.badgingResult != "ok")
            continue;
        SCOPED_TRACE(m.file);
        PackageInfo p(fake_aapt::Tool(), corpus::PathOf(m.file));
        ExpectFieldsOf(p, m);
        EXPECT_EQ(p.GetApkPath(), corpus::PathOf(m.file)) << "no retry, so no copy";
    }
    EXPECT_EQ(PackageInfo(fake_aapt::Tool(), corpus::PathOf("quote.apk")).GetLabel(), L"Bob's Tool");
    PackageInfo p(fake_aapt::Tool(), corpus::PathOf("空格 目录/my app 安装.apk"));
    long long bytes = 0;
    ASSERT_TRUE(platform::FileByteCount(p.GetApkPath(), &bytes));
    EXPECT_EQ(p.GetSize(), FormatFileSize(static_cast<double>(bytes)));
    // INTERNET, SEND_SMS, INTERNET again; POST_NOTIFICATIONS is not catalogued.
    PermissionCatalogue c = Catalogue();
    const std::wstring internet = c.at(L"android.permission.INTERNET").title;
    EXPECT_EQ(Titles(p), (std::vector<std::wstring>{internet, c.at(L"android.permission.SEND_SMS").title, internet}));
    EXPECT_TRUE(g_lines.empty());
}

TEST_F(PackageInfoReplayTest, DumpFailedOnThePathRetriesOnATemporaryCopy)
{
    aapt_.FailPath(L"安装");
    const std::string odd = "空格 目录/my app 安装.apk";
    PackageInfo p(fake_aapt::Tool(), corpus::PathOf(odd));
    EXPECT_EQ(g_lines, (std::vector<std::wstring>{L"error:dump failed!", L"copy file success!"}));
    ExpectTemporaryCopy(p.GetApkPath());
    // The copy has the original's bytes, so the tool answers as for it.
    ExpectFieldsOf(p, corpus::Find(odd));
    EXPECT_EQ(p.GetPermissions().size(), 3u);
    std::string original, copy;
    ASSERT_TRUE(platform::ReadFileBytes(corpus::PathOf(odd), &original, 1 << 24));
    ASSERT_TRUE(platform::ReadFileBytes(p.GetApkPath(), &copy, 1 << 24));
    EXPECT_EQ(copy, original);
    platform::RemoveFile(p.GetApkPath());
}

TEST_F(PackageInfoReplayTest, APackageTheToolCannotReadFailsTwiceAndAMissingOneCannotBeCopied)
{
    // notzip.apk's captured real output says "ERROR: dump failed"; so does
    // its copy's, and the record ends empty but pointing at the copy.
    PackageInfo p(fake_aapt::Tool(), corpus::PathOf("notzip.apk"));
    EXPECT_EQ(g_lines, (std::vector<std::wstring>{L"error:dump failed!", L"copy file success!", L"error:dump failed!"}));
    ExpectTextFieldsEmpty(p);
    EXPECT_EQ(p.GetSize(), L"");
    EXPECT_TRUE(p.GetPermissions().empty());
    ExpectTemporaryCopy(p.GetApkPath());
    platform::RemoveFile(p.GetApkPath());

    g_lines.clear();
    PackageInfo gone(fake_aapt::Tool(), corpus::PathOf("gone.apk"));
    EXPECT_EQ(g_lines, (std::vector<std::wstring>{L"error:dump failed!", L"copy file failed!"}));
    EXPECT_EQ(gone.GetApkPath(), corpus::PathOf("gone.apk"));
}

TEST_F(PackageInfoReplayTest, AToolThatSaysNothingLeavesOnlyTheSize)
{
    aapt_.Mode(L"silent");
    PackageInfo p(fake_aapt::Tool(), corpus::PathOf("plain.apk"));
    ExpectTextFieldsEmpty(p);
    EXPECT_FALSE(p.GetSize().empty());
    EXPECT_TRUE(p.GetPermissions().empty());
    EXPECT_TRUE(g_lines.empty());
}
