#include "platform/CommandLine.h"

#include <cwctype>

#include "platform/Text.h"

namespace {

const wchar_t kBlanks[] = L" \t";

// `line` starts with `prefix`, ignoring case, and a blank or the end follows.
bool StartsWithWord(const std::wstring& line, const std::wstring& prefix)
{
    if (prefix.empty() || line.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::towlower(line[i]) != std::towlower(prefix[i]))
            return false;
    return line.size() == prefix.size() || line[prefix.size()] == L' ' || line[prefix.size()] == L'\t';
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& line)
{
    std::vector<std::wstring> args;
    std::wstring current;
    bool inArg = false;
    bool quoted = false;
    size_t i = 0;
    while (i < line.size()) {
        wchar_t c = line[i];
        if (!quoted && (c == L' ' || c == L'\t')) {
            if (inArg) {
                args.push_back(current);
                current.clear();
                inArg = false;
            }
            ++i;
            continue;
        }
        inArg = true;
        if (c == L'\\') {
            size_t n = 0;
            while (i < line.size() && line[i] == L'\\') {
                ++n;
                ++i;
            }
            if (i < line.size() && line[i] == L'"') {
                current.append(n / 2, L'\\');
                if (n % 2) {
                    current += L'"';
                    ++i;
                }
            } else {
                current.append(n, L'\\');
            }
            continue;
        }
        if (c == L'"') {
            // "" inside quotes is a literal quote, as the Microsoft runtime reads it.
            if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
                current += L'"';
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    if (inArg)
        args.push_back(current);
    return args;
}

std::wstring QuoteArgument(const std::wstring& arg)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only before a quote.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring JoinCommandLine(const std::vector<std::wstring>& args)
{
    std::wstring line;
    for (const std::wstring& a : args)
        line += (line.empty() ? L"" : L" ") + QuoteArgument(a);
    return line;
}

std::vector<std::wstring> SplitProgramLine(const std::wstring& line,
                                           const std::function<bool(const std::wstring&)>& isProgram)
{
    const size_t start = line.find_first_not_of(kBlanks);
    if (start == std::wstring::npos || line[start] == L'"')
        return SplitCommandLine(line);
    for (size_t blank = line.find_first_of(kBlanks, start); blank != std::wstring::npos;
         blank = line.find_first_of(kBlanks, blank + 1)) {
        const std::wstring program = line.substr(start, blank - start);
        if (program.find(L'"') != std::wstring::npos)
            break;
        if (isProgram(program)) {
            std::vector<std::wstring> args = SplitCommandLine(line.substr(blank));
            args.insert(args.begin(), program);
            return args;
        }
    }
    return SplitCommandLine(line);
}

std::vector<std::wstring> WideArguments(int argc, char** argv, int first)
{
    std::vector<std::wstring> args;
    for (int i = first; i < argc; ++i)
        args.push_back(Utf8ToWide(argv[i]));
    return args;
}

SpawnArguments::SpawnArguments(const std::vector<std::wstring>& args)
{
    narrow_.reserve(args.size());
    for (const std::wstring& a : args)
        narrow_.push_back(WideToUtf8(a));
    // Filled after the strings are all in place, so no pointer moves.
    for (std::string& a : narrow_)
        pointers_.push_back(&a[0]);
    pointers_.push_back(nullptr);
}

std::wstring ArgumentsAfterProgram(const std::wstring& commandLine, const std::wstring& modulePath)
{
    const size_t start = commandLine.find_first_not_of(kBlanks);
    if (start == std::wstring::npos)
        return std::wstring();
    const std::wstring line = commandLine.substr(start);
    if (line[0] == L'"') {
        size_t end = line.find(L'"', 1);
        return end == std::wstring::npos ? std::wstring() : line.substr(end + 1);
    }
    std::wstring bare = modulePath;
    const std::wstring exe = L".exe";
    if (bare.size() > exe.size() && StartsWithWord(bare.substr(bare.size() - exe.size()), exe))
        bare.resize(bare.size() - exe.size());
    for (const std::wstring& name : {modulePath, bare})
        if (StartsWithWord(line, name))
            return line.substr(name.size());
    size_t end = line.find_first_of(kBlanks);
    return end == std::wstring::npos ? std::wstring() : line.substr(end);
}
