// Whole files as bytes: exact round trips, appending, the size limit, and
// wide paths.
#include <gtest/gtest.h>

#include <string>

#include "inspect/ScratchFile.h"
#include "platform/FileBytes.h"

TEST(FileBytes, RoundTripsAppendsAndTheInclusiveLimitAreExact)
{
    // Every byte value, line ends of both kinds and a zero, more than one
    // 64 KiB read long.
    std::string bytes = std::string("a\r\nb\nc\x1a") + '\0';
    for (int i = 0; bytes.size() < 3 * 64 * 1024 + 17; ++i)
        bytes += static_cast<char>(i & 0xff);
    scratch::ScratchFolder folder;
    const std::wstring path = folder.Keep("blob.bin");
    ASSERT_TRUE(platform::WriteFileBytes(path, bytes));
    std::string back;
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, bytes.size()));
    EXPECT_EQ(back, bytes);
    EXPECT_FALSE(platform::ReadFileBytes(path, &back, bytes.size() - 1));
    ASSERT_TRUE(platform::WriteFileBytes(path, "short"));  // replacing truncates
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, 1 << 20));
    EXPECT_EQ(back, "short");
    ASSERT_TRUE(platform::AppendFileBytes(path, ""));
    ASSERT_TRUE(platform::AppendFileBytes(path, bytes));
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, 1 << 20));
    EXPECT_EQ(back, "short" + bytes);
    ASSERT_TRUE(platform::AppendFileBytes(folder.Keep("new.log"), "one\n")) << "appending creates";
    EXPECT_FALSE(platform::AppendFileBytes(folder.Path(), "x"));
}

TEST(FileBytes, ChinesePathsMissingFilesAndFolders)
{
    scratch::ScratchFolder folder;
    ASSERT_TRUE(folder.Write("安装 包.apk", "PK"));
    std::string back;
    ASSERT_TRUE(platform::ReadFileBytes(folder.PathOf("安装 包.apk"), &back, 16));
    EXPECT_EQ(back, "PK");
    EXPECT_FALSE(platform::ReadFileBytes(folder.PathOf("gone.apk"), &back, 16));
    EXPECT_FALSE(platform::ReadFileBytes(L"", &back, 16));
    EXPECT_FALSE(platform::ReadFileBytes(folder.Path(), &back, 16)) << "a folder is no file";
    EXPECT_FALSE(platform::WriteFileBytes(folder.PathOf("no such folder") + platform::kPathSeparator + L"x", "x"));
}
