// Files of the program: its folder, temporary files, copies and removal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

TEST(Files, TheProgramsFolderAndFreshTemporaryFiles)
{
    std::wstring dir = GetModuleDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), platform::kPathSeparator);
    EXPECT_TRUE(platform::FileExists(dir + platform::kPathSeparator + L"platform_tests" + platform::kExeSuffix));
    std::wstring folder;
    ASSERT_TRUE(platform::TempFolder(&folder));
    EXPECT_EQ(folder.back(), platform::kPathSeparator);
    std::set<std::wstring> names;
    for (int i = 0; i < 5; ++i) {
        std::wstring path;
        ASSERT_TRUE(platform::CreateTempFile(folder, L"tmp", &path));
        const std::wstring name = path.substr(path.rfind(platform::kPathSeparator) + 1);
        // "tmp", up to four hexadecimal digits (Wine does not pad them), ".tmp"
        EXPECT_TRUE(name.size() >= 8 && name.size() <= 11 && name.compare(0, 3, L"tmp") == 0 &&
                    name.find_first_not_of(L"0123456789abcdefABCDEF", 3) == name.size() - 4 &&
                    name.compare(name.size() - 4, 4, L".tmp") == 0)
            << WideToUtf8(name);
        long long bytes = -1;
        EXPECT_TRUE(platform::FileByteCount(path, &bytes) && bytes == 0);
        names.insert(path);
        platform::RemoveFile(path);
    }
    EXPECT_EQ(names.size(), 5u);
}

TEST(Files, CopyOverReplacesTheTargetAndRemovalTakesOnlyFilesThatAreThere)
{
    std::wstring folder;
    ASSERT_TRUE(platform::TempFolder(&folder));
    const std::wstring source = folder + L"源 文件 " + std::to_wstring(std::rand()) + L".apk";
    ASSERT_TRUE(platform::WriteFileBytes(source, std::string(3000, 'k')));
    std::wstring target;
    ASSERT_TRUE(platform::CreateTempFile(folder, L"tmp", &target));
    ASSERT_TRUE(platform::WriteFileBytes(target, std::string(9000, 'o')));
    ASSERT_TRUE(platform::CopyFileOver(source, target));
    long long bytes = 0;
    ASSERT_TRUE(platform::FileByteCount(target, &bytes));
    EXPECT_EQ(bytes, 3000);
    const std::wstring gone = folder + L"no such file.apk";
    EXPECT_FALSE(platform::CopyFileOver(gone, target) || platform::FileExists(gone) ||
                 platform::FileByteCount(gone, &bytes));
    EXPECT_TRUE(platform::RemoveFile(source));
    EXPECT_TRUE(platform::RemoveFile(target));
    EXPECT_FALSE(platform::FileExists(target));
    EXPECT_FALSE(platform::RemoveFile(target) || platform::RemoveFile(L""));
    const std::wstring bare = folder.substr(0, folder.size() - 1);
    EXPECT_FALSE(platform::RemoveFile(bare)) << "a folder is no file";
    EXPECT_TRUE(platform::FileExists(bare));
}
