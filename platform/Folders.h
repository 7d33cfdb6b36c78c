// Folders and processes the bridge tool's private scratch folders need, one
// OS layer each for Win32 and POSIX.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Creates the folder (its parent must exist), readable by this user only
// where the system has such rights; false when it exists or cannot be made.
bool MakeFolder(const std::wstring& path);

// The names in a folder, without "." and ".."; empty when it cannot be read.
std::vector<std::wstring> FolderNames(const std::wstring& folder);

// Removes the folder with the files in it (one level: our folders hold
// only files); false when anything stays. A link or junction in its place
// is removed itself, never followed: what it points at stays untouched.
bool RemoveFolder(const std::wstring& path);

unsigned long CurrentProcessId();

// Whether a process with that id runs now (on a system that reuses ids,
// possibly another program's).
bool ProcessRunning(unsigned long id);

}  // namespace platform
