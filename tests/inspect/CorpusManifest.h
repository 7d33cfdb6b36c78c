// The corpus's own record of what each package holds (manifest.tsv), read by
// splitting on tabs so empty columns survive.
#pragma once

#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/FileBytes.h"

namespace corpus {

struct Member {
    std::string file, label, package, versionName, sdkVersion, iconPath, iconStorage, iconSha256,
        permissions, implied, badging, badgingResult;
};

inline std::vector<Member> ReadManifest()
{
    std::vector<Member> members;
    std::string text;
    if (!platform::ReadFileBytes(testing_support::CorpusFile(L"manifest.tsv"), &text, 1 << 20))
        return members;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        size_t from = 0;
        for (;;) {
            size_t tab = line.find('\t', from);
            cells.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
        cells.resize(12);
        members.push_back(Member{cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6],
                                 cells[7], cells[8], cells[9], cells[10], cells[11]});
    }
    return members;
}

inline Member Find(const std::string& file)
{
    for (const Member& m : ReadManifest())
        if (m.file == file)
            return m;
    return Member{};
}

// Corpus paths are written with '/'.
inline std::wstring PathOf(const std::string& file)
{
    std::wstring relative = Utf8ToWide(file);
    for (wchar_t& c : relative)
        if (c == L'/')
            c = platform::kPathSeparator;
    return testing_support::CorpusFile(relative);
}

}  // namespace corpus
