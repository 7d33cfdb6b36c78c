// Small helpers shared by the test programs of both targets.
#pragma once

#include <string>

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace testing_support {

// A test double or program built into the same folder as the test.
inline std::wstring Beside(const std::wstring& name)
{
    return GetModuleDirectory() + platform::kPathSeparator + name + platform::kExeSuffix;
}

// The generated package corpus; Wine sees the Linux path through drive Z:.
inline std::wstring CorpusDir()
{
    std::wstring path = platform::EnvironmentValue(L"TARVO_CORPUS");
    if (path.empty())
        return path;
#ifdef _WIN32
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    path = L"Z:" + path;
#endif
    return path;
}

inline std::wstring CorpusFile(const std::wstring& name)
{
    return CorpusDir() + platform::kPathSeparator + name;
}

}  // namespace testing_support
