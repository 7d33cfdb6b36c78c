// Whole files as bytes: exact round trips, the size limit, and wide paths.
#include <gtest/gtest.h>

#include <string>

#include "inspect/ScratchFile.h"
#include "platform/FileBytes.h"

namespace {

// Every byte value, line ends of both kinds and a zero, more than one
// 64 KiB read long.
std::string AwkwardBytes()
{
    std::string bytes = "a\r\nb\nc\x1a";
    bytes += '\0';
    for (int i = 0; bytes.size() < 3 * 64 * 1024 + 17; ++i)
        bytes += static_cast<char>(i & 0xff);
    return bytes;
}

}  // namespace

TEST(FileBytes, RoundTripIsExact)
{
    scratch::ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string bytes = AwkwardBytes();
    const std::wstring path = folder.Keep("blob.bin");
    ASSERT_TRUE(platform::WriteFileBytes(path, bytes));
    std::string back;
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, bytes.size()));
    EXPECT_EQ(back, bytes);

    // Replacing truncates: nothing of the longer old content is left.
    ASSERT_TRUE(platform::WriteFileBytes(path, "short"));
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, 1 << 20));
    EXPECT_EQ(back, "short");
    ASSERT_TRUE(platform::WriteFileBytes(path, ""));
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, 0));
    EXPECT_EQ(back, "");
}

TEST(FileBytes, AppendAddsAtTheEndAndCreates)
{
    scratch::ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::wstring path = folder.Keep("log.txt");
    ASSERT_TRUE(platform::AppendFileBytes(path, "one\n"));
    ASSERT_TRUE(platform::AppendFileBytes(path, ""));
    const std::string bytes = AwkwardBytes();
    ASSERT_TRUE(platform::AppendFileBytes(path, bytes));
    std::string back;
    ASSERT_TRUE(platform::ReadFileBytes(path, &back, 1 << 20));
    EXPECT_EQ(back, "one\n" + bytes);
    EXPECT_FALSE(platform::AppendFileBytes(folder.Path(), "x"));
}

TEST(FileBytes, LimitIsInclusive)
{
    scratch::ScratchFolder folder;
    const std::string bytes = AwkwardBytes();
    ASSERT_TRUE(folder.Write("blob.bin", bytes));
    std::string back;
    EXPECT_TRUE(platform::ReadFileBytes(folder.PathOf("blob.bin"), &back, bytes.size()));
    EXPECT_FALSE(platform::ReadFileBytes(folder.PathOf("blob.bin"), &back, bytes.size() - 1));
    EXPECT_FALSE(platform::ReadFileBytes(folder.PathOf("blob.bin"), &back, 0));
}

TEST(FileBytes, ChinesePathsAndMissingFiles)
{
    scratch::ScratchFolder folder;
    ASSERT_TRUE(folder.Write("安装 包.apk", "PK"));
    std::string back;
    ASSERT_TRUE(platform::ReadFileBytes(folder.PathOf("安装 包.apk"), &back, 16));
    EXPECT_EQ(back, "PK");

    EXPECT_FALSE(platform::ReadFileBytes(folder.PathOf("gone.apk"), &back, 16));
    EXPECT_FALSE(platform::ReadFileBytes(L"", &back, 16));
    // A folder is no file.
    EXPECT_FALSE(platform::ReadFileBytes(folder.Path(), &back, 16));
    EXPECT_FALSE(platform::WriteFileBytes(folder.PathOf("no such folder") + platform::kPathSeparator + L"x", "x"));
}
