// adb's answer put into the words the program's install result
// classification looks for. Today's adb and package manager say several
// outcomes in other words than the ones the program was built around, and
// their texts carry names the shim did not write (a package called
// com.Success.app), so the shim states the result itself on its first
// line and passes adb's words on only with every pattern broken.
#pragma once

#include <cstddef>
#include <string>

// The program reads at most one chunk of 1,023 bytes once the tool has
// ended, so everything the shim prints fits in less.
constexpr std::size_t kShimOutputLimit = 1000;

// Whether adb reported a success: the package manager's "Success" on a
// line of its own, never inside another line.
bool AdbSucceeded(const std::string& adbOutput);

// The program's pattern for adb's answer: "Success" for a success, else
// the failure adb names in its own or in today's words; empty when it
// names none the program knows (an unknown error).
std::string ResultLine(const std::string& adbOutput);

// Text the shim did not write, with every classifier pattern (and the
// shim's own refusal lead) broken by an invisible mark, so it can never
// decide a result.
std::string Defanged(const std::string& text);

// What the shim prints (UTF-8): `first` (when not empty) on a line of its
// own, then the outside text defanged; that text is cut from the front, on
// a character boundary, so the whole stays within kShimOutputLimit and
// adb's last lines, which carry its verdict, stay.
std::string BoundedReport(const std::string& first, const std::string& outsideText);

// The shim's whole report of adb's answer: its result line, the failure
// line that says why (when there is one), then adb's words.
std::string AdbReport(const std::string& adbOutput, const std::string& failureLine = std::string());

// The shim's report when adb was found but would not start: the program's
// no-device wording first, so the batch ends at once.
std::string AdbNotStartedReport(const std::string& adbPath);
