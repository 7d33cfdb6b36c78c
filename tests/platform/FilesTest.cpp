#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

std::wstring Temp()
{
    std::wstring folder;
    EXPECT_TRUE(platform::TempFolder(&folder));
    return folder;
}

}  // namespace

TEST(Files, ModuleDirectoryHoldsThisProgramWithoutTrailingSeparator)
{
    std::wstring dir = GetModuleDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), platform::kPathSeparator);
    EXPECT_TRUE(platform::FileExists(dir + platform::kPathSeparator + L"platform_tests" + platform::kExeSuffix));
}

TEST(Files, TempFolderEndsWithSeparatorAndTempFilesAreNewEachTime)
{
    std::wstring folder = Temp();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), platform::kPathSeparator);

    std::set<std::wstring> names;
    for (int i = 0; i < 5; ++i) {
        std::wstring path;
        ASSERT_TRUE(platform::CreateTempFile(folder, L"tmp", &path));
        std::wstring name = path.substr(path.rfind(platform::kPathSeparator) + 1);
        // "tmp", up to four hexadecimal digits (Wine does not pad them), ".tmp"
        ASSERT_GE(name.size(), 8u) << WideToUtf8(name);
        ASSERT_LE(name.size(), 11u) << WideToUtf8(name);
        EXPECT_EQ(name.substr(0, 3), L"tmp");
        EXPECT_EQ(name.substr(name.size() - 4), L".tmp");
        EXPECT_EQ(name.find_first_not_of(L"0123456789abcdefABCDEF", 3), name.size() - 4) << WideToUtf8(name);
        EXPECT_TRUE(platform::FileExists(path));
        long long bytes = -1;
        EXPECT_TRUE(platform::FileByteCount(path, &bytes));
        EXPECT_EQ(bytes, 0);
        names.insert(path);
    }
    EXPECT_EQ(names.size(), 5u);
}

TEST(Files, CopyOverReplacesTargetAndHandlesChinesePaths)
{
    std::wstring folder = Temp();
    std::wstring source = folder + L"源 文件 " + std::to_wstring(std::rand()) + L".apk";
    ASSERT_TRUE(platform::WriteFileBytes(source, std::string(3000, 'k')));
    std::wstring target;
    ASSERT_TRUE(platform::CreateTempFile(folder, L"tmp", &target));
    ASSERT_TRUE(platform::WriteFileBytes(target, std::string(9000, 'o')));

    ASSERT_TRUE(platform::CopyFileOver(source, target));
    long long bytes = 0;
    ASSERT_TRUE(platform::FileByteCount(target, &bytes));
    EXPECT_EQ(bytes, 3000);

    EXPECT_FALSE(platform::CopyFileOver(folder + L"no such file.apk", target));
    EXPECT_FALSE(platform::FileExists(folder + L"no such file.apk"));
    EXPECT_FALSE(platform::FileByteCount(folder + L"no such file.apk", &bytes));
    EXPECT_TRUE(platform::RemoveFile(source));
    EXPECT_TRUE(platform::RemoveFile(target));
}

TEST(Files, RemoveFileDeletesOnlyFilesThatAreThere)
{
    std::wstring folder = Temp();
    std::wstring path;
    ASSERT_TRUE(platform::CreateTempFile(folder, L"tmp", &path));
    ASSERT_TRUE(platform::WriteFileBytes(path, "bytes"));
    EXPECT_TRUE(platform::RemoveFile(path));
    EXPECT_FALSE(platform::FileExists(path));
    EXPECT_FALSE(platform::RemoveFile(path));
    EXPECT_FALSE(platform::RemoveFile(L""));
    // The temporary folder itself stays.
    std::wstring bare = folder.substr(0, folder.size() - 1);
    EXPECT_FALSE(platform::RemoveFile(bare));
    EXPECT_TRUE(platform::FileExists(bare));
}
