// Files and folders in the temporary folder that the test removes when done.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace scratch {

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
            platform::RemoveFile(path_);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::wstring& Path() const { return path_; }
    bool Write(const std::string& bytes) const { return !path_.empty() && platform::WriteFileBytes(path_, bytes); }

private:
    std::wstring path_;
};

// A fresh folder in the temporary folder; files written into it go with it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        // The reserved file name, plus a suffix, is a name nobody else uses.
        ScratchFile reserved;
        if (reserved.Path().empty())
            return;
        std::wstring path = reserved.Path() + L".d";
#ifdef _WIN32
        bool made = _wmkdir(path.c_str()) == 0;
#else
        bool made = mkdir(WideToUtf8(path).c_str(), 0700) == 0;
#endif
        if (made)
            path_ = path;
    }
    ~ScratchFolder()
    {
        for (const std::wstring& file : files_)
            platform::RemoveFile(file);
        if (path_.empty())
            return;
#ifdef _WIN32
        _wrmdir(path_.c_str());
#else
        rmdir(WideToUtf8(path_).c_str());
#endif
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(const std::string& name) const
    {
        return path_ + platform::kPathSeparator + Utf8ToWide(name);
    }
    // A file in the folder that is removed with it, whoever makes it.
    std::wstring Keep(const std::string& name)
    {
        files_.push_back(PathOf(name));
        return files_.back();
    }
    bool Write(const std::string& name, const std::string& bytes)
    {
        return !path_.empty() && platform::WriteFileBytes(Keep(name), bytes);
    }
    // A copy of a program (executable on POSIX too) or of any file.
    bool CopyIn(const std::wstring& from, const std::string& name)
    {
        if (path_.empty() || !platform::CopyFileOver(from, Keep(name)))
            return false;
#ifndef _WIN32
        chmod(WideToUtf8(files_.back()).c_str(), 0700);
#endif
        return true;
    }

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

}  // namespace scratch
