// Whole small files as bytes, with wide paths on both targets.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace platform {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using ScopedFile = std::unique_ptr<FILE, FileCloser>;

// Opens a file by its wide path; mode as fopen's ("rb", "wb", "ab").
ScopedFile OpenFile(const std::wstring& path, const char* mode);

// False when the file cannot be opened or read, or holds more than `limit` bytes.
bool ReadFileBytes(const std::wstring& path, std::string* bytes, size_t limit);

// Adds the bytes at the end of the file, creating it when missing.
bool AppendFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace platform
