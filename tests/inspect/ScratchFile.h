// A file in the temporary folder that the test removes when done.
#pragma once

#include <cstdio>
#include <string>

#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace scratch {

inline void Remove(const std::wstring& path)
{
#ifdef _WIN32
    _wremove(path.c_str());
#else
    std::remove(WideToUtf8(path).c_str());
#endif
}

class ScratchFile {
public:
    ScratchFile()
    {
        std::wstring folder;
        if (platform::TempFolder(&folder))
            platform::CreateTempFile(folder, L"ico", &path_);
    }
    ~ScratchFile()
    {
        if (!path_.empty())
            Remove(path_);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::wstring& Path() const { return path_; }
    bool Write(const std::string& bytes) const { return !path_.empty() && platform::WriteFileBytes(path_, bytes); }

private:
    std::wstring path_;
};

}  // namespace scratch
