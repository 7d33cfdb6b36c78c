// The command line a second instance hands over with WM_COPYDATA.
#pragma once

#include <cstddef>
#include <string>

// Decodes the UTF-16 text of a hand-over record without reading past
// byteCount. The text ends at the first zero character; false when the
// data is missing, has an odd size or carries no terminating zero (a
// record we did not make). An empty text is valid: a second start
// without arguments sends only the terminator.
bool DecodeCopyDataText(const void* data, std::size_t byteCount, std::wstring* text);

// The bytes a second instance sends for its command line: the UTF-16
// text and its terminating zero.
std::size_t CopyDataByteCount(const std::wstring& commandLine);
