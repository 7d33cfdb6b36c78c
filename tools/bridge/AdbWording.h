// adb's answer put into the words the program's install result
// classification looks for. Today's adb and package manager say several
// outcomes in other words than the ones the program was built around.
#pragma once

#include <cstddef>
#include <string>

// The program reads at most one chunk of 1,023 bytes once the tool has
// ended, so everything the shim prints fits in less.
constexpr std::size_t kShimOutputLimit = 1000;

// The line that gives adb's answer the program's result, when adb words it
// differently; empty when adb's own words already do, when nothing applies,
// and always when adb said "Success" (a success is never turned into a
// failure).
std::string SystemWordingLine(const std::string& adbOutput);

// What the shim prints (UTF-8): `first` (when not empty) on a line of its
// own, then adb's text; adb's text is cut from the front, on a character
// boundary, so the whole stays within kShimOutputLimit and adb's last
// lines, which carry its verdict, stay.
std::string BoundedReport(const std::string& first, const std::string& adbOutput);

// The shim's report when adb was found but would not start: the program's
// no-device wording first, so the batch ends at once.
std::string AdbNotStartedReport(const std::string& adbPath);
