// The main of a fuzz target when no libFuzzer is at hand (gcc builds, CI):
// runs every seed of the given folders, then a fixed count of deterministic
// mutations of them, through LLVMFuzzerTestOneInput. It takes libFuzzer's
// flags, so one command line runs either build:
//   fuzz_X [-runs=N] [-seed=S] [-dict=FILE] [-max_len=N] [-timeout=SEC]
//          [-artifact_prefix=PATH] FOLDER...     seeds, then N mutations
//   fuzz_X FILE...                               each file once
// When an input crashes, trips a sanitizer or breaks an invariant, it is
// written to <artifact_prefix>crash-<target>-<round> before the process ends.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/driver/Dictionary.h"
#include "fuzz/driver/Mutator.h"

#if defined(__SANITIZE_ADDRESS__)
#define TARVO_FUZZ_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVO_FUZZ_ASAN 1
#endif
#endif
#ifdef TARVO_FUZZ_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

// Defined only by targets that bring their own mutator.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed)
    __attribute__((weak));

namespace {

namespace fs = std::filesystem;

struct Options {
    long long runs = 10000;
    unsigned long long seed = 20261206;
    size_t maxLength = 0;  // 0: twice the largest seed, at least 4096
    unsigned timeout = 0;  // seconds per input; 0: none
    std::string dictionary;
    std::string artifactPrefix = "./";
    std::vector<std::string> paths;
};

// What a signal handler needs, prepared before each input: only
// async-signal-safe calls are made once something went wrong.
const char* g_input = nullptr;
size_t g_inputSize = 0;
char g_artifact[4096] = "";
volatile sig_atomic_t g_saved = 0;

// The driver's mutator, for targets that call LLVMFuzzerMutate.
Mutator* g_mutator = nullptr;

void Say(const char* text)
{
    ssize_t ignored = write(2, text, std::strlen(text));
    (void)ignored;
}

void SaveInput()
{
    if (g_saved || !g_artifact[0])
        return;
    g_saved = 1;
    int fd = open(g_artifact, O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (fd < 0) {
        Say("fuzz: could not write the failing input to ");
        Say(g_artifact);
        Say("\n");
        return;
    }
    size_t done = 0;
    while (done < g_inputSize) {
        ssize_t n = write(fd, g_input + done, g_inputSize - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    close(fd);
    Say("fuzz: failing input written to ");
    Say(g_artifact);
    Say("\n");
}

void OnFatalSignal(int signal)
{
    if (signal == SIGALRM)
        Say("fuzz: an input ran longer than the timeout\n");
    SaveInput();
    struct sigaction plain {};
    plain.sa_handler = SIG_DFL;
    sigaction(signal == SIGALRM ? SIGABRT : signal, &plain, nullptr);
    raise(signal == SIGALRM ? SIGABRT : signal);
}

void InstallHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    // abort() from FUZZ_CHECK; the sanitizers leave SIGABRT alone.
    int signals[] = {SIGABRT, SIGALRM, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
    for (int s : signals) {
#ifdef TARVO_FUZZ_ASAN
        // ASan reports these itself and then calls the death callback.
        if (s != SIGABRT && s != SIGALRM)
            continue;
#endif
        sigaction(s, &action, nullptr);
    }
#ifdef TARVO_FUZZ_ASAN
    __sanitizer_set_death_callback(SaveInput);
#endif
}

bool ReadFile(const fs::path& path, std::string* bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    *bytes = s.str();
    return true;
}

bool StartsWith(const std::string& s, const char* prefix, std::string* rest)
{
    size_t n = std::strlen(prefix);
    if (s.compare(0, n, prefix) != 0)
        return false;
    *rest = s.substr(n);
    return true;
}

bool ParseOptions(int argc, char** argv, Options* o)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i], v;
        char* end = nullptr;
        if (StartsWith(a, "-runs=", &v)) {
            o->runs = std::strtoll(v.c_str(), &end, 10);
        } else if (StartsWith(a, "-seed=", &v)) {
            o->seed = std::strtoull(v.c_str(), &end, 10);
        } else if (StartsWith(a, "-max_len=", &v)) {
            o->maxLength = std::strtoull(v.c_str(), &end, 10);
        } else if (StartsWith(a, "-timeout=", &v)) {
            o->timeout = static_cast<unsigned>(std::strtoul(v.c_str(), &end, 10));
        } else if (StartsWith(a, "-dict=", &v)) {
            o->dictionary = v;
        } else if (StartsWith(a, "-artifact_prefix=", &v)) {
            o->artifactPrefix = v;
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            return false;
        } else {
            o->paths.push_back(a);
        }
        if (end && *end) {
            std::fprintf(stderr, "not a number in %s\n", a.c_str());
            return false;
        }
    }
    return o->runs >= 0;
}

// Every file of the folders, in name order, so a run is the same anywhere.
std::vector<fs::path> SeedFiles(const std::vector<std::string>& paths)
{
    std::vector<fs::path> files;
    for (const std::string& p : paths) {
        std::error_code error;
        if (fs::is_regular_file(p, error)) {
            files.push_back(p);
            continue;
        }
        for (fs::recursive_directory_iterator it(p, error), end; !error && it != end; it.increment(error)) {
            if (it->is_regular_file(error))
                files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string TargetName(const char* argv0)
{
    std::string name = fs::path(argv0).filename().string();
    return name.empty() ? "target" : name;
}

// label names the artifact; none for an input that is a file already.
void RunOne(const std::string& input, const std::string& label, const Options& o, const std::string& target)
{
    g_input = input.data();
    g_inputSize = input.size();
    if (label.empty())
        g_artifact[0] = '\0';
    else
        std::snprintf(g_artifact, sizeof g_artifact, "%scrash-%s-%s", o.artifactPrefix.c_str(), target.c_str(),
                      label.c_str());
    // An exactly sized heap copy: ASan sees any read past its end.
    std::vector<uint8_t> exact(input.begin(), input.end());
    if (o.timeout)
        alarm(o.timeout);
    LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
    if (o.timeout)
        alarm(0);
}

}  // namespace

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string mutated = g_mutator->Mutate(input, input);
    if (mutated.size() > maxSize)
        mutated.resize(maxSize);
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
    Options o;
    if (!ParseOptions(argc, argv, &o)) {
        std::fprintf(stderr,
                     "usage: %s [-runs=N] [-seed=S] [-dict=FILE] [-max_len=N] [-timeout=SEC] "
                     "[-artifact_prefix=PATH] FOLDER... | FILE...\n",
                     argv[0]);
        return 2;
    }
    const std::string target = TargetName(argv[0]);
    InstallHandlers();

    bool replayOnly = !o.paths.empty();
    for (const std::string& p : o.paths) {
        std::error_code error;
        if (!fs::is_regular_file(p, error))
            replayOnly = false;
    }

    std::vector<std::string> seeds, seedNames;
    size_t largest = 0;
    for (const fs::path& file : SeedFiles(o.paths)) {
        seedNames.push_back(file.string());
        std::string bytes;
        if (!ReadFile(file, &bytes)) {
            std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
            return 2;
        }
        largest = std::max(largest, bytes.size());
        seeds.push_back(bytes);
    }
    if (!o.paths.empty() && seeds.empty()) {
        std::fprintf(stderr, "no seed inputs in the given paths\n");
        return 2;
    }

    std::vector<std::string> tokens;
    if (!o.dictionary.empty()) {
        std::string text;
        int badLine = 0;
        if (!ReadFile(o.dictionary, &text) || !ParseDictionary(text, &tokens, &badLine)) {
            std::fprintf(stderr, "cannot read dictionary %s (line %d)\n", o.dictionary.c_str(), badLine);
            return 2;
        }
    }

    // The seeds as they are: each must pass before any mutation counts.
    for (size_t i = 0; i < seeds.size(); ++i) {
        if (replayOnly)
            std::fprintf(stderr, "fuzz: running %s\n", seedNames[i].c_str());
        RunOne(seeds[i], replayOnly ? std::string() : "seed" + std::to_string(i), o, target);
    }
    if (replayOnly) {
        std::printf("%s: %zu inputs replayed, no failure\n", target.c_str(), seeds.size());
        return 0;
    }
    if (seeds.empty())
        seeds.push_back(std::string());

    size_t maxLength = o.maxLength ? o.maxLength : std::max<size_t>(4096, 2 * largest);
    Mutator mutator(o.seed, tokens, maxLength);
    g_mutator = &mutator;
    for (long long round = 0; round < o.runs; ++round) {
        const std::string& base = seeds[mutator.Below(seeds.size())];
        const std::string& other = seeds[mutator.Below(seeds.size())];
        std::string input;
        if (LLVMFuzzerCustomMutator) {
            input = base.substr(0, maxLength);
            size_t used = input.size();
            input.resize(maxLength);
            unsigned seed = static_cast<unsigned>(mutator.Below(0x100000000ull));
            used = LLVMFuzzerCustomMutator(reinterpret_cast<uint8_t*>(&input[0]), used, maxLength, seed);
            input.resize(std::min(used, maxLength));
        } else {
            input = mutator.Mutate(base, other);
        }
        RunOne(input, "s" + std::to_string(o.seed) + "-r" + std::to_string(round), o, target);
    }
    std::printf("%s: %zu seeds and %lld mutations (seed %llu), no failure\n", target.c_str(), seeds.size(), o.runs,
                o.seed);
    return 0;
}
