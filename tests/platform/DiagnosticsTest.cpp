// The diagnostics file must collect lines from several threads whole and in
// UTF-8, appended to what the file held.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/TextSplit.h"

using namespace platform;

namespace {

std::wstring Temp()
{
    std::wstring folder;
    EXPECT_TRUE(TempFolder(&folder));
    return folder;
}

}  // namespace

TEST(DiagnosticsFile, AppendsWholeLinesFromSeveralThreads)
{
    const std::wstring path = Temp() + L"tarvo_diagnostics_test_诊断.log";
    ASSERT_TRUE(WriteFileBytes(path, "earlier\n"));
    ASSERT_TRUE(SetDiagnosticFile(path));
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([t] {
            for (int i = 0; i < 200; ++i)
                WriteDiagnostic(L"线程 " + std::to_wstring(t) + L" 行 " + std::to_wstring(i));
        });
    }
    for (std::thread& w : writers)
        w.join();
    SetDiagnosticSink(nullptr);

    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path, &bytes, 1 << 20));
    RemoveFile(path);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), '\n') << "the last line lacks its end";
    const std::vector<std::string> lines = SplitLines(bytes);
    ASSERT_EQ(lines.size(), 801u);
    EXPECT_EQ(lines[0], "earlier");
    int counts[4] = {};
    for (size_t i = 1; i < lines.size(); ++i) {
        std::wstring line = Utf8ToWide(lines[i]);
        ASSERT_EQ(line.rfind(L"线程 ", 0), 0u) << lines[i];
        ++counts[line[3] - L'0'];
    }
    for (int c : counts)
        EXPECT_EQ(c, 200);
}

TEST(DiagnosticsFile, UnopenableFileKeepsTheSink)
{
    EXPECT_FALSE(SetDiagnosticFile(Temp() + L"no such folder here" + kPathSeparator + L"x.log"));
}
