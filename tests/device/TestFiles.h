// Removing the files an install test made, with wide paths on both targets.
#pragma once

#include <cstdio>
#include <string>

#include "platform/Text.h"

namespace device_test {

inline void Remove(const std::wstring& path)
{
#ifdef _WIN32
    _wremove(path.c_str());
#else
    std::remove(WideToUtf8(path).c_str());
#endif
}

}  // namespace device_test
