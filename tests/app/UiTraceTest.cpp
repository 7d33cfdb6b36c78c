// The record of what the window shows must read back exactly, whatever the
// texts hold, and must never mistake another diagnostic line for an entry.
#include <gtest/gtest.h>

#include <string>

#include "app/UiTrace.h"

// (Its writers feed the end-to-end tests, which read every state through them.)
TEST(UiTrace, TextsReadBackExactlyAndOtherLinesAreRefused)
{
    for (const std::wstring& text : {std::wstring(), std::wstring(L"安装成功！"), std::wstring(L"a\nb\r\nc"),
                                     std::wstring(L"C:\\新 建\\x.apk\\"), std::wstring(L"\\n literally"),
                                     std::wstring(L"  edge blanks  "), std::wstring(L"ui text 1 nested")}) {
        const std::wstring line = FormatUiTrace(UiTraceEntry{L"text", 20006, text});
        EXPECT_EQ(line.find(L'\n'), std::wstring::npos);
        UiTraceEntry out;
        ASSERT_TRUE(ParseUiTrace(line, &out));
        EXPECT_EQ(out.kind + L" " + std::to_wstring(out.id) + L" " + out.text, L"text 20006 " + text);
    }
    UiTraceEntry out;
    for (const wchar_t* line : {L"", L"ui", L"ui text", L"ui text 12", L"ui  12 x", L"ui text  x", L"ui text 1x2 y",
                                L"ui text -1 y", L"ui text 99999999999 y", L"install: device not found", L"UI text 1 y"})
        EXPECT_FALSE(ParseUiTrace(line, &out)) << line;
}
