// The command line a second instance hands over with WM_COPYDATA.
#pragma once

#include <cstddef>
#include <string>

// Decodes the UTF-16 text of a hand-over record: its byteCount bytes, never
// more. The text ends at the first zero character or where the bytes end
// (a record without its terminator is taken whole; an odd count drops the
// last byte). False only when there is no data or more than any command
// line needs; an empty text is valid: a second start without arguments
// sends only the terminator.
bool DecodeCopyDataText(const void* data, std::size_t byteCount, std::wstring* text);

// The bytes a second instance sends for its command line: the UTF-16
// text and its terminating zero.
std::size_t CopyDataByteCount(const std::wstring& commandLine);
