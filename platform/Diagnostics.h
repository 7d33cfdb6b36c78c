// Short diagnostic lines of the inspection and install code. They are never
// shown to the user; the program decides where they go.
#pragma once

#include <string>

using DiagnosticSink = void (*)(const std::wstring& line);

// Writes one line through the current sink (standard output by default).
void WriteDiagnostic(const std::wstring& line);

// Replaces the sink; returns the previous one. nullptr restores standard output.
DiagnosticSink SetDiagnosticSink(DiagnosticSink sink);

// Sends every later line to the end of the file at path (UTF-8, one line
// each, written through at once so a reader sees it while the program
// runs). False when the file cannot be opened; the sink is then unchanged.
bool SetDiagnosticFile(const std::wstring& path);

// Ready-made sinks.
void DiagnosticToStdout(const std::wstring& line);
void DiagnosticToStderr(const std::wstring& line);
void DiagnosticDiscard(const std::wstring& line);  // for runs whose output is figures or test results
