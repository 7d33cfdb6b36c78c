// Whole-process figures of window programs, observed from outside:
//
//   tarvo-bench-launch startup --reps N --app CMD --minimal CMD [--trace FILE]
//       start to first paint of each (alternating starts, medians, ratio);
//       with the program's diagnostics file, where its start went
//       (the median time and working set at each stage)
//   tarvo-bench-launch idle --settle S --measure S --app CMD
//                           [--dir DIR --rows N] [--control CMD]
//       CPU time the program uses while its window sits idle; with --dir
//       again once N-1 packages of DIR made it a list, and after a wheel
//       notch scrolled that list; first the same for the control CMD, a
//       window that runs a timer
//   tarvo-bench-launch memory --app EXE --dir DIR --count N [--minimal CMD]
//       peak working set of the minimal window, then of the program after
//       it took 1 and N packages of DIR (the first on its command line, the
//       others as second starts hand them over: WM_COPYDATA), and the cost
//       of each package beyond the first: memory and hand-over time
//
// The idle and memory modes first check the instrument on a child of known
// cost (a busy loop, a touched allocation), because a reading of another
// process that the system does not support would look like a perfect zero.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/PackageText.h"
#include "bench/BenchStats.h"
#include "bench/ProcessWatch.h"
#include "platform/FileBytes.h"
#include "platform/Folders.h"
#include "platform/Text.h"

using namespace bench;

namespace {

constexpr double kStartTimeoutMs = 30000;

std::wstring SelfPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

std::wstring Option(const std::vector<std::wstring>& args, const wchar_t* name, const std::wstring& fallback = L"")
{
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name)
            return args[i + 1];
    }
    return fallback;
}

std::string Narrow(const std::wstring& s) { return WideToUtf8(s); }

std::wstring ProgramName(const std::wstring& commandLine)
{
    std::wstring first = commandLine;
    if (!first.empty() && first[0] == L'"')
        first = first.substr(1, first.find(L'"', 1) - 1);
    else
        first = first.substr(0, first.find(L' '));
    size_t cut = first.find_last_of(L"\\/");
    return cut == std::wstring::npos ? first : first.substr(cut + 1);
}

// --- children of known cost ---------------------------------------------

double OwnThreadCpuMs()
{
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// Burns `ms` of its own CPU time (not wall time: the machine may be shared),
// then waits to be ended.
int SpinChild(int ms)
{
    if (ms < 0 || ms > 60000)
        return 2;
    volatile unsigned long long sink = 0;
    while (OwnThreadCpuMs() < ms) {
        for (int i = 0; i < 100000; ++i)
            sink = sink + 1;
    }
    Sleep(INFINITE);
    return 0;
}

int AllocChild(int megabytes)
{
    if (megabytes < 0 || megabytes > 1024)
        return 2;
    size_t bytes = static_cast<size_t>(megabytes) << 20;
    std::vector<char> block(bytes);
    for (size_t i = 0; i < bytes; i += 4096)
        block[i] = 1;
    Sleep(INFINITE);
    return 0;
}

// Starts a program and waits for its first paint; when none comes, closes
// it again, says so and answers false.
bool StartPainted(const std::wstring& commandLine, Launched* program, FirstPaint* seen)
{
    if (!StartProgram(commandLine, program))
        return false;
    *seen = WaitFirstPaint(*program, kStartTimeoutMs);
    if (seen->paintedMs >= 0)
        return true;
    CloseProgram(program, seen->window);
    std::fprintf(stderr, "no painted window\n");
    return false;
}

// --- start-up -----------------------------------------------------------

// Each stage the program marked: its times since the program's entry and
// its working sets, one sample a start, in the order first seen.
struct StageSamples {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> ms, kb;
};

// Waits (at most 10 s) until the program has marked its first load, then
// takes every "startup STAGE MS ms WS KB" line of its diagnostics file.
void ReadStages(const std::wstring& path, StageSamples* stages)
{
    std::string text;
    for (int i = 0; i < 200 && text.find("startup loaded") == std::string::npos; ++i) {
        Sleep(50);
        platform::ReadFileBytes(path, &text, 1 << 20);
    }
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        char stage[64] = {};
        double ms = 0, kb = 0;
        if (std::sscanf(line.c_str(), "startup %63s %lf ms %lf KB", stage, &ms, &kb) != 3)
            continue;
        if (!stages->ms.count(stage))
            stages->order.push_back(stage);
        stages->ms[stage].push_back(ms);
        stages->kb[stage].push_back(kb);
    }
}

// Each stage as the median time it was reached and what it added; the time
// before the program's entry is what the first paint seen from outside
// leaves over once the program's own part up to the paint is taken off.
void PrintStages(const StageSamples& stages, double paintedFromOutside)
{
    if (stages.order.empty())
        return;
    std::printf("startup breakdown (medians; ms since the program's entry, working set):\n");
    double lastMs = 0, lastKb = 0, painted = 0;
    for (const std::string& stage : stages.order) {
        const double ms = Median(stages.ms.at(stage)), kb = Median(stages.kb.at(stage));
        std::printf("  %-8s at %7s ms (+%6s ms)  %7s MB (+%5s MB)\n", stage.c_str(), Fixed(ms, 1).c_str(),
                    Fixed(ms - lastMs, 1).c_str(), Fixed(kb / 1024, 1).c_str(),
                    Fixed(lastKb ? (kb - lastKb) / 1024 : 0, 1).c_str());
        if (stage == "painted")
            painted = ms;
        lastMs = ms;
        lastKb = kb;
    }
    if (painted > 0)
        std::printf("  before the program's entry (loading the process and its libraries): about %s ms\n",
                    Fixed(paintedFromOutside - painted, 1).c_str());
}

int Startup(const std::vector<std::wstring>& args)
{
    std::wstring app = Option(args, L"--app"), minimal = Option(args, L"--minimal");
    int reps = ParseCount(Option(args, L"--reps"), 7);
    if (app.empty() || minimal.empty() || reps < 1 || reps > 1000) {
        std::fprintf(stderr, "startup needs --app CMD --minimal CMD\n");
        return 2;
    }
    const std::wstring trace = Option(args, L"--trace");
    std::vector<double> appPaint, appVisible, minPaint, minVisible;
    StageSamples stages;
    for (int r = 0; r < reps * 2; ++r) {
        // In pairs, program then the other: each pair's ratio is taken
        // under the same load, which a busy machine changes over a run.
        const bool isApp = r % 2 == 0;
        const std::wstring& command = isApp ? app : minimal;
        Launched program;
        if (isApp && !trace.empty())
            DeleteFileW(trace.c_str());
        if (!StartProgram(command, &program)) {
            std::fprintf(stderr, "cannot start %s\n", Narrow(command).c_str());
            return 1;
        }
        FirstPaint seen = WaitFirstPaint(program, kStartTimeoutMs);
        if (isApp && !trace.empty() && seen.paintedMs >= 0)
            ReadStages(trace, &stages);
        CloseProgram(&program, seen.window);
        if (seen.paintedMs < 0) {
            std::fprintf(stderr, "%s: no painted window within %.0f ms\n", Narrow(command).c_str(),
                         kStartTimeoutMs);
            return 1;
        }
        (isApp ? appPaint : minPaint).push_back(seen.paintedMs);
        (isApp ? appVisible : minVisible).push_back(seen.visibleMs);
    }
    double a = Median(appPaint), m = Median(minPaint);
    std::printf("startup %s: visible %s ms, first paint %s ms\n", Narrow(ProgramName(app)).c_str(),
                Fixed(Median(appVisible), 1).c_str(), Fixed(a, 1).c_str());
    std::printf("startup %s: visible %s ms, first paint %s ms\n", Narrow(ProgramName(minimal)).c_str(),
                Fixed(Median(minVisible), 1).c_str(), Fixed(m, 1).c_str());
    std::vector<double> pairs;
    for (size_t i = 0; i < appPaint.size() && i < minPaint.size(); ++i)
        pairs.push_back(appPaint[i] / minPaint[i]);
    std::printf("startup ratio (first paint, program / %s): %s as the median of %d pairs' ratios (%s of the "
                "medians)\n",
                Narrow(ProgramName(minimal)).c_str(), Fixed(Median(pairs)).c_str(), reps, Fixed(a / m).c_str());
    PrintStages(stages, a);
    return 0;
}

// --- idle CPU -----------------------------------------------------------

// CPU ms a child that burns `spinMs` of CPU is read as; -1 when unreadable.
double CalibrateCpu(int spinMs)
{
    Launched child;
    if (!StartProgram(Quoted(SelfPath()) + L" spin " + std::to_wstring(spinMs), &child))
        return -1;
    // Done when the reading stops growing (or after 20 s on a crowded machine).
    double last = -1, now = CpuMs(child.process.Get());
    for (int i = 0; i < 100 && (now != last || now < 1); ++i) {
        Sleep(200);
        last = now;
        now = CpuMs(child.process.Get());
    }
    EndProgram(&child);
    return now;
}

std::vector<std::wstring> Packages(const std::wstring& dir)
{
    std::vector<std::wstring> found;
    for (const std::wstring& name : platform::FolderNames(dir))
        if (IsPackagePath(name))
            found.push_back(dir + L"\\" + name);
    std::sort(found.begin(), found.end());
    return found;
}

// Waits `settle` seconds, then prints the CPU the program used over the
// next `measure` seconds.
bool IdleOnce(const Launched& program, const char* what, double settle, double measure)
{
    Sleep(static_cast<DWORD>(settle * 1000));
    double before = CpuMs(program.process.Get());
    Stopwatch clock;
    Sleep(static_cast<DWORD>(measure * 1000));
    double after = CpuMs(program.process.Get());
    double wall = clock.Ms();
    if (WaitForSingleObject(program.process.Get(), 0) != WAIT_TIMEOUT) {
        std::fprintf(stderr, "the program ended while idle\n");
        return false;
    }
    std::printf("idle %s%s: %s ms CPU over %s s idle (%s %% of one core), after %s s settling\n",
                Narrow(ProgramName(program.commandLine)).c_str(), what, Fixed(after - before, 1).c_str(),
                Fixed(wall / 1000, 1).c_str(), Fixed((after - before) * 100 / wall, 2).c_str(),
                Fixed(settle, 1).c_str());
    return true;
}

// Hands a package to the running window as a second start would.
bool HandOver(HWND window, const std::wstring& package)
{
    std::wstring line = Quoted(package);
    COPYDATASTRUCT cd = {};
    cd.cbData = static_cast<DWORD>((line.size() + 1) * sizeof(wchar_t));
    cd.lpData = const_cast<wchar_t*>(line.c_str());
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cd), SMTO_NORMAL, 30000,
                               &answer) &&
           answer;
}

int Idle(const std::vector<std::wstring>& args)
{
    std::wstring app = Option(args, L"--app");
    double settle = ParseNumber(Option(args, L"--settle"), 3);
    double measure = ParseNumber(Option(args, L"--measure"), 5);
    if (app.empty() || !(settle >= 0 && settle <= 600) || !(measure > 0 && measure <= 600)) {
        std::fprintf(stderr, "idle needs --app CMD (settle and measure 0 to 600 s)\n");
        return 2;
    }
    double calibration = CalibrateCpu(1000);
    std::printf("idle check: a child that burnt 1000 ms of CPU reads as %s ms of CPU\n", Fixed(calibration, 0).c_str());
    if (calibration < 800) {
        std::fprintf(stderr, "the CPU time of another process cannot be read here\n");
        return 1;
    }
    // A window known to run a timer must read as busy, or the figure below
    // proves nothing.
    std::wstring control = Option(args, L"--control");
    if (!control.empty()) {
        Launched ticking;
        FirstPaint seen;
        if (!StartPainted(control, &ticking, &seen))
            return 1;
        bool ok = IdleOnce(ticking, ", repainting on a 30 ms timer", settle, measure);
        CloseProgram(&ticking, seen.window);
        if (!ok)
            return 1;
    }
    Launched program;
    FirstPaint seen;
    if (!StartPainted(app, &program, &seen))
        return 1;
    if (!IdleOnce(program, "", settle, measure)) {
        CloseProgram(&program, seen.window);
        return 1;
    }
    // More packages turn the window into a list that scrolls; the list and
    // its eased scroll after a wheel notch must come to rest too.
    std::wstring dir = Option(args, L"--dir");
    int rows = ParseCount(Option(args, L"--rows"), 0);
    std::vector<std::wstring> more = dir.empty() ? std::vector<std::wstring>() : Packages(dir);
    if (rows > 1 && rows <= 100000 && static_cast<int>(more.size()) >= rows - 1) {
        for (int i = 0; i < rows - 1; ++i) {
            if (!HandOver(seen.window, more[i])) {
                CloseProgram(&program, seen.window);
                std::fprintf(stderr, "a package handed over was not taken\n");
                return 1;
            }
        }
        std::string what = ", list of " + std::to_string(rows) + " packages";
        if (!IdleOnce(program, what.c_str(), settle, measure)) {
            CloseProgram(&program, seen.window);
            return 1;
        }
        HWND view = FindWindowExW(seen.window, nullptr, L"BkViewWindow", nullptr);
        POINT inside = {190, 110};  // within the list, below the band above it
        POINT screen = inside;
        ClientToScreen(view, &screen);
        SendMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
        SendMessageW(view, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                     MAKELPARAM(screen.x, screen.y));
        what += ", after a wheel notch";
        if (!view || !IdleOnce(program, what.c_str(), settle, measure)) {
            CloseProgram(&program, seen.window);
            return 1;
        }
    }
    CloseProgram(&program, seen.window);
    return 0;
}

// --- memory -------------------------------------------------------------

bool PeakWorkingSet(HANDLE process, PROCESS_MEMORY_COUNTERS* counters)
{
    counters->cb = sizeof(*counters);
    return GetProcessMemoryInfo(process, counters, sizeof(*counters)) != 0;
}

struct MemoryReading {
    double peakMb = -1, workingMb = -1, privateMb = -1;
    double handOverMs = 0;  // all packages after the first
};

// Starts the program (on the first package), hands it the next count-1 and
// reads its memory counters; false (said) when that fails.
bool ReadProgramMemory(const std::wstring& command, const std::vector<std::wstring>& more, int count,
                       MemoryReading* reading)
{
    Launched program;
    FirstPaint seen;
    if (!StartPainted(command, &program, &seen))
        return false;
    // The start path loads on a short timer after the first paint.
    Sleep(1000);
    int accepted = 1;
    Stopwatch clock;
    for (int i = 1; i < count; ++i) {
        if (HandOver(seen.window, more[i]))
            ++accepted;
    }
    reading->handOverMs = clock.Ms();
    Sleep(500);
    PROCESS_MEMORY_COUNTERS c = {};
    bool ok = PeakWorkingSet(program.process.Get(), &c);
    CloseProgram(&program, seen.window);
    if (!ok || accepted != count) {
        std::fprintf(stderr, "memory: %d of %d packages accepted, counters %s\n", accepted, count,
                     ok ? "read" : "unreadable");
        return false;
    }
    reading->peakMb = c.PeakWorkingSetSize / 1048576.0;
    reading->workingMb = c.WorkingSetSize / 1048576.0;
    reading->privateMb = c.PagefileUsage / 1048576.0;
    return true;
}

void PrintReading(const std::wstring& name, int count, const MemoryReading& r)
{
    const std::string packages =
        count == 0 ? "" : " with " + std::to_string(count) + (count == 1 ? " package" : " packages");
    std::printf("memory %s%s: peak working set %s MB, working set %s MB, private %s MB\n", Narrow(name).c_str(),
                packages.c_str(), Fixed(r.peakMb, 1).c_str(), Fixed(r.workingMb, 1).c_str(),
                Fixed(r.privateMb, 1).c_str());
}

int Memory(const std::vector<std::wstring>& args)
{
    std::wstring app = Option(args, L"--app"), dir = Option(args, L"--dir"), minimal = Option(args, L"--minimal");
    int count = ParseCount(Option(args, L"--count"), 0);
    std::vector<std::wstring> packages = Packages(dir);
    if (app.empty() || count < 1 || count > 100000 || static_cast<int>(packages.size()) < count) {
        std::fprintf(stderr, "memory needs --app EXE --dir DIR (with at least --count N packages)\n");
        return 2;
    }

    {
        Launched child;
        PROCESS_MEMORY_COUNTERS c = {};
        bool ok = StartProgram(Quoted(SelfPath()) + L" alloc 64", &child);
        Sleep(1500);
        ok = ok && PeakWorkingSet(child.process.Get(), &c);
        EndProgram(&child);
        double mb = ok ? c.PeakWorkingSetSize / 1048576.0 : -1;
        std::printf("memory check: a child that touched 64 MB reads as a peak of %s MB\n", Fixed(mb, 1).c_str());
        if (mb < 64) {
            std::fprintf(stderr, "the peak working set of another process cannot be read here\n");
            return 1;
        }
    }

    // The bare window, read the same way as the program.
    MemoryReading bare;
    if (!minimal.empty()) {
        if (!ReadProgramMemory(minimal, packages, 1, &bare))
            return 1;
        PrintReading(ProgramName(minimal), 0, bare);
    }

    const std::wstring command = Quoted(app) + L" " + Quoted(packages[0]);
    MemoryReading one, many;
    if (!ReadProgramMemory(command, packages, 1, &one))
        return 1;
    PrintReading(ProgramName(app), 1, one);
    if (bare.peakMb > 0)
        std::printf("memory ratio (peak, program with 1 package / minimal window): %s\n",
                    Fixed(one.peakMb / bare.peakMb).c_str());
    if (count == 1)
        return 0;
    if (!ReadProgramMemory(command, packages, count, &many))
        return 1;
    PrintReading(ProgramName(app), count, many);
    std::printf("memory per package beyond the first: %s KB of peak working set, %s KB private; "
                "hand-over %s ms a package (inspection included)\n",
                Fixed((many.peakMb - one.peakMb) * 1024 / (count - 1), 1).c_str(),
                Fixed((many.privateMb - one.privateMb) * 1024 / (count - 1), 1).c_str(),
                Fixed(many.handOverMs / (count - 1), 1).c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == L"spin")
        return SpinChild(ParseCount(args[1], 1000));
    if (args.size() >= 2 && args[0] == L"alloc")
        return AllocChild(ParseCount(args[1], 64));
    if (!args.empty() && args[0] == L"startup")
        return Startup(args);
    if (!args.empty() && args[0] == L"idle")
        return Idle(args);
    if (!args.empty() && args[0] == L"memory")
        return Memory(args);
    std::fprintf(stderr, "usage: tarvo-bench-launch startup|idle|memory ...\n");
    return 2;
}
