// The main of a fuzz target when no libFuzzer is at hand (gcc builds, CI):
// runs every seed of the given folders, then a fixed count of deterministic
// mutations of them, through LLVMFuzzerTestOneInput. It takes libFuzzer's
// flags and dictionary format, so one command line runs either build:
//   fuzz_X [-runs=N] [-seed=S] [-dict=FILE] [-max_len=N] [-timeout=SEC] [-artifact_prefix=PATH] FOLDER...
//   fuzz_X FILE...      each file once
// When an input crashes, hangs, trips a sanitizer or breaks an invariant, it is
// written to <artifact_prefix>crash-<target>-<round> before the process ends.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define TARVO_FUZZ_ASAN 1
#endif

// Defined only by targets that bring their own mutator.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed)
    __attribute__((weak));

namespace {

namespace fs = std::filesystem;

// What a signal handler needs, prepared before each input: only
// async-signal-safe calls are made once something went wrong.
const char* g_input = nullptr;
size_t g_inputSize = 0;
char g_artifact[4096] = "";
unsigned g_timeout = 0;  // seconds per input; 0: none

void SaveInput()
{
    int fd = g_artifact[0] ? open(g_artifact, O_CREAT | O_TRUNC | O_WRONLY, 0644) : -1;
    g_artifact[0] = '\0';
    if (fd < 0)
        return;
    for (size_t done = 0; done < g_inputSize;) {
        ssize_t n = write(fd, g_input + done, g_inputSize - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    close(fd);
    const char said[] = "fuzz: the failing input is written beside the other artifacts\n";
    ssize_t ignored = write(2, said, sizeof said - 1);
    (void)ignored;
}

void OnFatalSignal(int signal)
{
    SaveInput();
    // An input that outlived the timeout ends the run like a failed check.
    const int ending = signal == SIGALRM ? SIGABRT : signal;
    ::signal(ending, SIG_DFL);
    raise(ending);
}

// Edge values of decimal attributes, tool output and binary headers.
const char* const kNumberTexts[] = {"0", "-1", "_1", "-0", "2147483647", "2147483648", "-2147483649",
                                    "4294967296", "99999999999", "00000000000000000001", "+7", " 8"};
const uint32_t kEdgeNumbers[] = {0, 1, 0x7F, 0x80, 0xFF, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu};

// Deterministic stacked edits: the same seed gives the same inputs on every
// machine (only the raw generator is used, no library distributions).
class Mutator {
public:
    Mutator(uint64_t seed, std::vector<std::string> tokens, size_t maxLength)
        : rng_(seed), tokens_(std::move(tokens)), maxLength_(maxLength)
    {
    }
    size_t Below(size_t bound) { return static_cast<size_t>(rng_() % bound); }
    std::string Mutate(std::string s, const std::string& other)
    {
        for (size_t edits = Below(4) == 0 ? 2 + Below(12) : 1 + Below(2); edits > 0; --edits)
            EditOnce(&s, other);
        s.resize(std::min(s.size(), maxLength_));
        return s;
    }

private:
    char AnyByte() { return static_cast<char>(rng_() & 0xFF); }
    size_t Position(const std::string& s) { return Below(s.size() + 1); }
    void EditOnce(std::string* s, const std::string& other)
    {
        const size_t at = Position(*s);
        switch (Below(9)) {
        case 0:  // flip a bit, or any byte
            if (!s->empty())
                (*s)[Below(s->size())] ^= Below(2) ? static_cast<char>(1u << Below(8)) : AnyByte();
            break;
        case 1:  // insert a few bytes, sometimes one byte many times
            s->insert(at, std::string(1 + Below(Below(8) == 0 ? 128 : 4), AnyByte()));
            break;
        case 2:  // delete a range
            s->erase(std::min(at, s->size()), 1 + Below(Below(4) == 0 ? s->size() + 1 : 8));
            break;
        case 3:  // a dictionary token, inserted or over what is there
        case 4:
            if (!tokens_.empty()) {
                const std::string& t = tokens_[Below(tokens_.size())];
                if (Below(2) == 0 || at + t.size() > s->size())
                    s->insert(at, t);
                else
                    s->replace(at, t.size(), t);
            }
            break;
        case 5:  // splice: the front of this one, the back of the other
            if (!other.empty())
                *s = s->substr(0, at) + other.substr(Below(other.size()));
            break;
        case 6:  // cut short
            s->resize(at);
            break;
        case 7: {  // an edge number in 1, 2 or 4 little-endian bytes
            const uint32_t v = kEdgeNumbers[Below(sizeof kEdgeNumbers / sizeof kEdgeNumbers[0])];
            const size_t width = size_t(1) << Below(3);
            if (s->size() >= width) {
                const size_t where = Below(s->size() - width + 1);
                for (size_t i = 0; i < width; ++i)
                    (*s)[where + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
            }
            break;
        }
        default: {  // an edge number as text, over a run of digits when there is one
            const std::string t = kNumberTexts[Below(sizeof kNumberTexts / sizeof kNumberTexts[0])];
            const size_t digit = s->find_first_of("0123456789", at);
            if (digit == std::string::npos)
                s->insert(at, t);
            else
                s->replace(digit, s->find_first_not_of("0123456789", digit) - digit, t);
        }
        }
    }

    std::mt19937_64 rng_;
    std::vector<std::string> tokens_;
    size_t maxLength_;
};

Mutator* g_mutator = nullptr;

bool ReadFile(const fs::path& path, std::string* bytes)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    *bytes = s.str();
    return static_cast<bool>(in);
}

// libFuzzer's dictionary lines: `name="value"` or `"value"` with \\, \" and
// \xHH escapes; '#' starts a comment. False at the first other line.
bool ReadDictionary(const std::string& path, std::vector<std::string>* tokens)
{
    std::string text;
    if (!ReadFile(path, &text))
        return false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t first = line.find_first_not_of(" \t\r"), open = line.find('"'), close = line.rfind('"');
        if (first == std::string::npos || line[first] == '#')
            continue;
        if (open == std::string::npos || close == open || line.find_first_not_of(" \t\r", close + 1) != std::string::npos)
            return false;
        std::string token;
        for (size_t i = open + 1; i < close; ++i) {
            if (line[i] != '\\') {
                token += line[i];
            } else if (i + 1 < close && (line[i + 1] == '\\' || line[i + 1] == '"')) {
                token += line[++i];
            } else if (i + 3 < close && line[i + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(line[i + 2])) &&
                       std::isxdigit(static_cast<unsigned char>(line[i + 3]))) {
                token += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                return false;
            }
        }
        tokens->push_back(token);
    }
    return true;
}

void RunOne(const std::string& input, const std::string& artifact)
{
    g_input = input.data();
    g_inputSize = input.size();
    std::snprintf(g_artifact, sizeof g_artifact, "%s", artifact.c_str());
    // An exactly sized heap copy: ASan sees any read past its end.
    std::vector<uint8_t> exact(input.begin(), input.end());
    alarm(g_timeout);
    LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
    alarm(0);
}

}  // namespace

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string mutated = g_mutator->Mutate(input, input).substr(0, maxSize);
    std::memcpy(data, mutated.data(), mutated.size());
    return mutated.size();
}

// UBSan keeps its own runtime beside ASan's and ignores the death callback:
// it is made to end through abort(), whose handler saves the input. Flags
// given in UBSAN_OPTIONS still come first.
extern "C" const char* __ubsan_default_options()
{
    return "abort_on_error=1:print_stacktrace=1:halt_on_error=1";
}

int main(int argc, char** argv)
{
    long long runs = 10000;
    unsigned long long seed = 20261206;
    size_t maxLength = 0;  // 0: twice the largest seed, at least 4096
    std::string dictionary, artifactPrefix = "./";
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&](const char* flag) { return a.compare(0, std::strlen(flag), flag) == 0; };
        if (value("-runs="))
            runs = std::atoll(a.c_str() + 6);
        else if (value("-seed="))
            seed = std::strtoull(a.c_str() + 6, nullptr, 10);
        else if (value("-max_len="))
            maxLength = std::strtoull(a.c_str() + 9, nullptr, 10);
        else if (value("-timeout="))
            g_timeout = static_cast<unsigned>(std::atoi(a.c_str() + 9));
        else if (value("-dict="))
            dictionary = a.substr(6);
        else if (value("-artifact_prefix="))
            artifactPrefix = a.substr(17);
        else if (a[0] == '-')
            return std::fprintf(stderr, "unknown option %s\n", a.c_str()), 2;
        else
            paths.push_back(a);
    }
    const std::string target = fs::path(argv[0]).filename().string();
#ifdef TARVO_FUZZ_ASAN
    // ASan reports faults itself and then calls the death callback; abort()
    // from FUZZ_CHECK is left to the handler.
    __sanitizer_set_death_callback(SaveInput);
    signal(SIGABRT, OnFatalSignal);
    signal(SIGALRM, OnFatalSignal);
#else
    for (int s : {SIGABRT, SIGALRM, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        signal(s, OnFatalSignal);
#endif

    // Every file of the folders in name order, so a run is the same anywhere;
    // files named alone are only replayed.
    bool replayOnly = !paths.empty();
    std::vector<fs::path> files;
    for (const std::string& p : paths) {
        std::error_code error;
        replayOnly = replayOnly && fs::is_regular_file(p, error);
        if (fs::is_regular_file(p, error))
            files.push_back(p);
        for (fs::recursive_directory_iterator it(p, error), end; !error && it != end; it.increment(error))
            if (it->is_regular_file(error))
                files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> seeds;
    for (const fs::path& file : files) {
        seeds.emplace_back();
        if (!ReadFile(file, &seeds.back()))
            return std::fprintf(stderr, "cannot read %s\n", file.c_str()), 2;
        maxLength = std::max(maxLength, 2 * seeds.back().size());
        RunOne(seeds.back(), replayOnly ? "" : artifactPrefix + "crash-" + target + "-seed" + std::to_string(seeds.size()));
    }
    if (replayOnly)
        return std::printf("%s: %zu inputs replayed, no failure\n", target.c_str(), seeds.size()), 0;
    std::vector<std::string> tokens;
    if (!dictionary.empty() && !ReadDictionary(dictionary, &tokens))
        return std::fprintf(stderr, "cannot read dictionary %s\n", dictionary.c_str()), 2;
    if (seeds.empty())
        seeds.emplace_back();

    maxLength = std::max<size_t>(maxLength, 4096);
    Mutator mutator(seed, tokens, maxLength);
    g_mutator = &mutator;
    for (long long round = 0; round < runs; ++round) {
        const std::string& base = seeds[mutator.Below(seeds.size())];
        std::string input = mutator.Mutate(base, seeds[mutator.Below(seeds.size())]);
        if (LLVMFuzzerCustomMutator) {
            input = base.substr(0, maxLength);
            input.resize(maxLength);
            const unsigned customSeed = static_cast<unsigned>(mutator.Below(0x100000000ull));
            input.resize(std::min(maxLength, LLVMFuzzerCustomMutator(reinterpret_cast<uint8_t*>(&input[0]),
                                                                     std::min(base.size(), maxLength), maxLength, customSeed)));
        }
        RunOne(input, artifactPrefix + "crash-" + target + "-s" + std::to_string(seed) + "-r" + std::to_string(round));
    }
    std::printf("%s: %zu seeds and %lld mutations (seed %llu), no failure\n", target.c_str(), seeds.size(), runs, seed);
    return 0;
}
