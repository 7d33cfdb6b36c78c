// A diagnostic record of what the main window shows: every text and
// visibility change by element id and every list row as it is drawn. It
// goes through the diagnostic sink: the diagnostics file when the program
// is asked for one (TARVO_DIAGNOSTICS), else standard output, which a
// window program on Windows does not have. Support and the end-to-end
// tests read it to learn what a user saw.
#pragma once

#include <string>
#include <vector>

// One shown fact. kind is "text" (id, text), "show" (id, text "0"/"1") or
// "row" (id = row index, text = "label|status|error flag"), "rows" (id =
// the number of list rows, no text) or "menu".
struct UiTraceEntry {
    std::wstring kind;
    int id = 0;
    std::wstring text;
};

void TraceText(int id, const std::wstring& text);
void TraceShown(int id, bool shown);
void TraceRowCount(int rows);
// A menu shown: id = the number of entries, text = the entries one a
// line, each that cannot be chosen marked with a leading '~'.
void TraceMenu(const std::vector<std::wstring>& entries);
void TraceRow(int row, const std::wstring& label, const std::wstring& status, bool error);

// The line written for an entry: "ui <kind> <id> <text>", with backslash,
// carriage return and line feed escaped so one entry stays one line.
std::wstring FormatUiTrace(const UiTraceEntry& entry);
// Reads such a line back; false for any other diagnostic line.
bool ParseUiTrace(const std::wstring& line, UiTraceEntry* entry);
