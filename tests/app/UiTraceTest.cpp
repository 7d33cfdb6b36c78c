// The record of what the window shows must read back exactly, whatever the
// texts hold, and must never mistake another diagnostic line for an entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/UiTrace.h"
#include "platform/Diagnostics.h"

namespace {

std::vector<std::wstring> g_lines;
void Capture(const std::wstring& line) { g_lines.push_back(line); }

UiTraceEntry RoundTrip(const UiTraceEntry& in)
{
    UiTraceEntry out;
    EXPECT_TRUE(ParseUiTrace(FormatUiTrace(in), &out)) << FormatUiTrace(in);
    return out;
}

}  // namespace

TEST(UiTrace, TextsWithLineBreaksBackslashesAndBlanksReadBack)
{
    for (const std::wstring& text : {std::wstring(), std::wstring(L"安装成功！"), std::wstring(L"a\nb\r\nc"),
                                     std::wstring(L"C:\\新 建\\x.apk\\"), std::wstring(L"\\n literally"),
                                     std::wstring(L"  edge blanks  "), std::wstring(L"ui text 1 nested")}) {
        UiTraceEntry out = RoundTrip(UiTraceEntry{L"text", 20006, text});
        EXPECT_EQ(out.kind, L"text");
        EXPECT_EQ(out.id, 20006);
        EXPECT_EQ(out.text, text);
        EXPECT_EQ(FormatUiTrace(UiTraceEntry{L"text", 1, text}).find(L'\n'), std::wstring::npos);
    }
}

TEST(UiTrace, OtherLinesAndDamagedEntriesAreRefused)
{
    UiTraceEntry out;
    for (const wchar_t* line : {L"", L"ui", L"ui ", L"ui text", L"ui text 12", L"ui  12 x", L"ui text  x",
                                L"ui text 1x2 y", L"ui text -1 y", L"ui text 99999999999 y", L"install: device not found",
                                L"UI text 1 y"}) {
        EXPECT_FALSE(ParseUiTrace(line, &out)) << line;
    }
    ASSERT_TRUE(ParseUiTrace(L"ui rows 3 ", &out));
    EXPECT_EQ(out.id, 3);
    EXPECT_TRUE(out.text.empty());
}

TEST(UiTrace, WritersGoThroughTheDiagnosticSink)
{
    g_lines.clear();
    DiagnosticSink previous = SetDiagnosticSink(&Capture);
    TraceText(20015, L"标签");
    TraceShown(20008, false);
    TraceRowCount(2);
    TraceRow(1, L"a|b", L"安装失败", true);
    SetDiagnosticSink(previous);

    ASSERT_EQ(g_lines.size(), 4u);
    UiTraceEntry e;
    ASSERT_TRUE(ParseUiTrace(g_lines[0], &e));
    EXPECT_EQ(e.kind + L" " + std::to_wstring(e.id) + L" " + e.text, L"text 20015 标签");
    ASSERT_TRUE(ParseUiTrace(g_lines[1], &e));
    EXPECT_EQ(e.kind + L" " + e.text, L"show 0");
    ASSERT_TRUE(ParseUiTrace(g_lines[2], &e));
    EXPECT_EQ(e.kind + L" " + std::to_wstring(e.id), L"rows 2");
    ASSERT_TRUE(ParseUiTrace(g_lines[3], &e));
    EXPECT_EQ(e.id, 1);
    // The status and flag are the last two fields, so a label may hold '|'.
    EXPECT_EQ(e.text, L"a|b|安装失败|1");
}
