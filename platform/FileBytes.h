// Whole small files as bytes, with wide paths on both targets.
#pragma once

#include <string>

namespace platform {

// False when the file cannot be opened or read, or holds more than `limit` bytes.
bool ReadFileBytes(const std::wstring& path, std::string* bytes, size_t limit);

// Creates or replaces the file.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// Adds the bytes at the end of the file, creating it when missing.
bool AppendFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace platform
