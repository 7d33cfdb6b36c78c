// The byte form of a path or entry name that minizip's narrow interface takes.
#pragma once

#include <string>

// Windows: the thread's ANSI code page, as the C runtime's fopen expects
// (characters it cannot represent come out as '?', so such a path does not
// open). Elsewhere: UTF-8, the file system's own encoding.
std::string ArchivePathBytes(const std::wstring& path);
