// Small helpers shared by the test programs and doubles of both targets;
// the product needs none of them.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Folders.h"
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

// Creates or replaces the file.
inline bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    platform::ScopedFile f = platform::OpenFile(path, "wb");
    return f && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size() && std::fclose(f.release()) == 0;
}

using platform::SetEnvironmentValue;

// The lines of the text, without "\n" or "\r\n"; a last line without its
// end counts, an empty text has none.
inline std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    return lines;
}

// The pieces between separators, empty ones included: "a\t\tb" gives three.
inline std::vector<std::string> SplitOn(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back().push_back(c);
    }
    return pieces;
}

// A fresh folder in the temporary folder, removed with its files.
class ScratchFolder {
public:
    ScratchFolder()
    {
        static int made = 0;
        if (!platform::TempFolder(&path_))
            return;
        // Process ids come back (Wine's soon): a name a killed run left, and
        // could not be removed, is passed over for the next.
        const std::wstring stem = path_ + L"tarvo-test-" + std::to_wstring(platform::CurrentProcessId()) + L"-";
        path_.clear();
        for (int tries = 0; tries < 100 && path_.empty(); ++tries) {
            const std::wstring path = stem + std::to_wstring(++made);
            platform::RemoveFolder(path);
            if (platform::MakeFolder(path))
                path_ = path;
        }
    }
    ~ScratchFolder()
    {
        if (!path_.empty())
            platform::RemoveFolder(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring PathOf(const std::string& name) const
    {
        return path_ + platform::kPathSeparator + Utf8ToWide(name);
    }
    bool Write(const std::string& name, const std::string& bytes) const
    {
        return !path_.empty() && WriteFileBytes(PathOf(name), bytes);
    }
    // A copy of a program (executable on POSIX too) or of any file.
    bool CopyIn(const std::wstring& from, const std::string& name) const
    {
        const bool copied = !path_.empty() && platform::CopyFileOver(from, PathOf(name));
#ifndef _WIN32
        return copied && chmod(WideToUtf8(PathOf(name)).c_str(), 0700) == 0;
#else
        return copied;
#endif
    }

private:
    std::wstring path_;
};

}  // namespace testing_support
