// Install command lines: the location chooses the options, every package
// goes through its own temporary copy, and only the copy's path is passed.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "device/InstallCommand.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

const std::wstring kTool = L"/opt/bridge/korvel_helper";

// Packages and the copies made of them live in a folder of the test's own.
class InstallCommandTest : public ::testing::Test {
protected:
    void TearDown() override { SetInstallLocation(L""); }

    std::wstring Package(const std::wstring& name, const std::string& bytes)
    {
        EXPECT_TRUE(folder_.Write(WideToUtf8(name), bytes));
        return folder_.PathOf(WideToUtf8(name));
    }

    // The copy's path after the options.
    std::wstring CopyOf(const std::wstring& command, const std::wstring& options)
    {
        std::wstring head = kTool + options;
        if (command.compare(0, head.size(), head) != 0) {
            ADD_FAILURE() << "command does not start with tool and options: " << WideToUtf8(command);
            return std::wstring();
        }
        return command.substr(head.size());
    }

    testing_support::ScratchFolder folder_;
    const std::wstring temp_ = folder_.Path() + platform::kPathSeparator;
};

std::wstring BaseName(const std::wstring& path)
{
    size_t cut = path.find_last_of(L"/\\");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

}  // namespace

TEST_F(InstallCommandTest, OnlyLocationTwoChoosesTheSdCard)
{
    std::wstring package = Package(L"tarvo-cmd-location.apk", "PK-location");
    EXPECT_FALSE(CopyOf(BuildCommandForLocation(L"2", kTool, temp_, package), L" -nv install -s -r ").empty());
    for (const wchar_t* other : {L"1", L"0", L"", L"22", L" 2", L"2 ", L"２"}) {
        std::wstring command = BuildCommandForLocation(other, kTool, temp_, package);
        EXPECT_FALSE(CopyOf(command, L" -nv install -r ").empty()) << WideToUtf8(other);
    }
}

TEST_F(InstallCommandTest, EachPackageGetsItsOwnFreshCopyThatStaysAndOnlyTheCopysPathIsPassed)
{
    const std::string binary("PK\x03\x04 first \0 bytes", 18);
    std::wstring first = Package(L"tarvo-cmd-first.apk", binary);
    std::wstring odd = Package(L"my app 安装 包.apk", "PK odd");
    std::wstring a = CopyOf(BuildInstallCommand(kTool, temp_, first), L" -nv install -r ");
    std::wstring oddCommand = BuildSdInstallCommand(kTool, temp_, odd);
    EXPECT_EQ(oddCommand.find(L"my app"), std::wstring::npos);
    EXPECT_EQ(oddCommand.find(L"安装"), std::wstring::npos);
    std::wstring b = CopyOf(oddCommand, L" -nv install -s -r ");
    std::wstring again = CopyOf(BuildInstallCommand(kTool, temp_, first), L" -nv install -r ");
    EXPECT_NE(a, b);
    EXPECT_NE(a, again);
    const struct {
        const std::wstring* copy;
        std::string bytes;
    } copies[] = {{&a, binary}, {&b, "PK odd"}, {&again, binary}};
    for (const auto& c : copies) {
        EXPECT_EQ(c.copy->compare(0, temp_.size(), temp_), 0) << "in the temporary folder";
        EXPECT_EQ(BaseName(*c.copy).compare(0, 3, L"tmp"), 0) << WideToUtf8(*c.copy);
        std::string bytes;
        EXPECT_TRUE(platform::ReadFileBytes(*c.copy, &bytes, 1 << 20)) << "the copy stays";
        EXPECT_EQ(bytes, c.bytes);
    }
}

TEST_F(InstallCommandTest, NoCopyMeansNoCommand)
{
    EXPECT_EQ(BuildInstallCommand(kTool, temp_, temp_ + L"tarvo-no-such-package.apk"), L"");
    EXPECT_EQ(BuildSdInstallCommand(kTool, temp_, L""), L"");
    std::wstring package = Package(L"tarvo-cmd-nofolder.apk", "PK");
    // No temporary folder at all, or one that is not there.
    EXPECT_EQ(BuildInstallCommand(kTool, L"", package), L"");
    std::wstring missing = temp_ + L"tarvo-no-such-folder" + platform::kPathSeparator;
    EXPECT_EQ(BuildInstallCommand(kTool, missing, package), L"");
}

TEST_F(InstallCommandTest, LocationIsReadWholeWhileAnotherThreadWritesIt)
{
    // Long values, so a torn copy could not pass for either.
    const std::wstring one(300, L'1');
    const std::wstring two(700, L'2');
    SetInstallLocation(one);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i)
            SetInstallLocation(i % 2 ? one : two);
        done = true;
    });
    int reads = 0;
    while (!done || reads < 100) {
        std::wstring seen = GetInstallLocation();
        ASSERT_TRUE(seen == one || seen == two) << seen.size();
        ++reads;
    }
    writer.join();
    SetInstallLocation(L"2");
    EXPECT_EQ(GetInstallLocation(), L"2");
}
