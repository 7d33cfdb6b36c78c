// File-system facts the inspection and install code needs, one OS layer each
// for Win32 and POSIX.
#pragma once

#include <string>

// Folder of the running executable, without a trailing separator.
std::wstring GetModuleDirectory();

// Whole path of the running executable, however long; empty on failure.
std::wstring GetModulePath();

namespace platform {

// '\\' on Windows, '/' elsewhere.
extern const wchar_t kPathSeparator;
// ".exe" on Windows, empty elsewhere: tools beside the program carry it.
extern const wchar_t* const kExeSuffix;

bool FileExists(const std::wstring& path);

// The user's temporary folder with its trailing separator; false when the
// system gives none (on Windows also when it is longer than 255 characters).
bool TempFolder(std::wstring* folder);

// Creates a new empty file "<prefix>XXXX.tmp" (up to four hex digits) in folder.
bool CreateTempFile(const std::wstring& folder, const std::wstring& prefix, std::wstring* path);

// Copies a file, replacing the target.
bool CopyFileOver(const std::wstring& from, const std::wstring& to);

// Makes `to` a hard link to `from`, or a copy where no link can be made
// (another volume, a file system without links); false when `to` already
// exists or neither works. Never replaces a file.
bool LinkOrCopyNew(const std::wstring& from, const std::wstring& to);

// Deletes a file; false when there is none or it cannot go (a folder is no file).
bool RemoveFile(const std::wstring& path);

// Size of a file opened for binary reading; false when it cannot be opened.
bool FileByteCount(const std::wstring& path, long long* bytes);

}  // namespace platform
