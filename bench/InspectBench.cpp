// How much the program's inspection of a package costs beyond the
// inspection tool's own run: the same `aapt d badging` command run alone
// (start to the tool's end, output read meanwhile) against PackageInfo plus
// the icon read, taken in alternating order, several rounds per package,
// medians printed.
//
//   tarvo-bench-inspect --aapt PATH [--reps N] PACKAGE...
//
// Exit 1 when a package gives no label: a bench of a failing inspection
// would time the wrong road.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "bench/ToolRun.h"
#include "inspect/PackageIconReader.h"
#include "inspect/PackageInfo.h"
#include "platform/CommandLine.h"
#include "platform/Diagnostics.h"
#include "platform/Text.h"

namespace {

std::wstring BaseName(const std::wstring& path)
{
    size_t cut = path.find_last_of(L"/\\");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

struct Round {
    double toolMs = 0;
    double programMs = 0;
};

bool InspectOnce(const std::wstring& aapt, const std::wstring& package, double* ms, std::wstring* label)
{
    bench::Stopwatch clock;
    PackageInfo info(aapt, package);
    PackageIconReader reader(info);
    bool icon = reader.ReadIcon();
    *ms = clock.Ms();
    *label = info.GetLabel();
    return icon;
}

int Run(const std::vector<std::wstring>& args)
{
    std::wstring aapt;
    int reps = 15;
    std::vector<std::wstring> packages;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--aapt" && i + 1 < args.size())
            aapt = args[++i];
        else if (args[i] == L"--reps" && i + 1 < args.size())
            reps = bench::ParseCount(args[++i], 0);
        else
            packages.push_back(args[i]);
    }
    if (aapt.empty() || packages.empty() || reps < 1 || reps > 10000) {
        std::fprintf(stderr, "usage: tarvo-bench-inspect --aapt PATH [--reps N] PACKAGE...\n");
        return 2;
    }
    SetDiagnosticSink(&DiagnosticDiscard);

    std::vector<double> allRatios, allOverheads;
    for (const std::wstring& package : packages) {
        PackageInfo probe;
        probe.SetAaptPath(aapt);
        probe.SetApkPath(package);
        const std::wstring command = probe.BuildBadgingCommand();
        std::string toolOutput;
        double toolMs = 0;
        if (command.empty() || !bench::RunToolAlone(command, &toolOutput, &toolMs)) {
            std::fprintf(stderr, "cannot run the inspection tool %s\n", WideToUtf8(aapt).c_str());
            return 1;
        }
        double ms = 0;
        std::wstring label;
        bool icon = InspectOnce(aapt, package, &ms, &label);  // warm caches once, uncounted
        if (label.empty()) {
            std::fprintf(stderr, "%s: the inspection gave no label\n", WideToUtf8(package).c_str());
            return 1;
        }

        std::vector<Round> rounds(reps);
        for (int r = 0; r < reps; ++r) {
            // Alternate the order so neither side always runs on warmer caches.
            for (int side = 0; side < 2; ++side) {
                if ((side == 0) == (r % 2 == 0))
                    bench::RunToolAlone(command, &toolOutput, &rounds[r].toolMs);
                else
                    InspectOnce(aapt, package, &rounds[r].programMs, &label);
            }
        }
        std::vector<double> tool, program, ratios, overheads;
        for (const Round& r : rounds) {
            tool.push_back(r.toolMs);
            program.push_back(r.programMs);
            ratios.push_back(r.programMs / r.toolMs);
            overheads.push_back(r.programMs - r.toolMs);
        }
        allRatios.insert(allRatios.end(), ratios.begin(), ratios.end());
        allOverheads.insert(allOverheads.end(), overheads.begin(), overheads.end());
        std::printf("inspect %-14s tool %7s ms  program %7s ms  ratio %5s  overhead %6s ms  (%d rounds, icon %s)\n",
                    WideToUtf8(BaseName(package)).c_str(), bench::Fixed(bench::Median(tool)).c_str(),
                    bench::Fixed(bench::Median(program)).c_str(), bench::Fixed(bench::Median(ratios)).c_str(),
                    bench::Fixed(bench::Median(overheads)).c_str(), reps, icon ? "read" : "none");
    }
    std::printf("inspect overall: ratio %s, overhead %s ms (medians of %zu rounds)\n",
                bench::Fixed(bench::Median(allRatios)).c_str(), bench::Fixed(bench::Median(allOverheads)).c_str(),
                allRatios.size());
    return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    return Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
#else
int main(int argc, char** argv)
{
    return Run(WideArguments(argc, argv));
}
#endif
