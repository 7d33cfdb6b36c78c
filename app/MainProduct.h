// Starts the maker's main product, which lies beside this program.
#pragma once

#include <string>

extern const wchar_t kMainProductMissing[];  // "没有找到Korvel!"

// The executable's folder (with its trailing '\') + exeName.
std::wstring MainProductPath(const std::wstring& exeName);

// Starts it elevated (plainly on Windows XP) without waiting; false when
// no such file exists, so the caller can say so.
bool OpenMainProduct(const std::wstring& exeName);
