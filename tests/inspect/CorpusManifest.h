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
    for (const std::string& line : testing_support::SplitLines(text)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells = testing_support::SplitOn(line, '\t');
        cells.resize(12);
        members.push_back(Member{cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6],
                                 cells[7], cells[8], cells[9], cells[10], cells[11]});
    }
    return members;
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
