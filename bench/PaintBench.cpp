// Time of one full repaint of the main window, in-process: the window is
// made as the program makes it, on a real package, then repainted many
// times (the whole view invalidated and updated on screen, and the same
// redraw printed into a memory DC). Then the window in list mode, first
// with two rows taken the program's own way and then with 1,000 rows.
// Between the paints it names every timer that fires while the window is
// left alone (none should, once an eased scroll has ended).
//
//   tarvo-bench-paint PACKAGE OTHER-PACKAGE [--rows N] [--paints N]
//
// Our inspection tool must lie beside this program (aapt.exe).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/AppItem.h"
#include "app/IconCache.h"
#include "app/MainDlg.h"
#include "app/StartUp.h"
#include "bench/BenchStats.h"
#include "inspect/PackageIconReader.h"
#include "inspect/PackageInfo.h"
#include "platform/Diagnostics.h"
#include "platform/ScopedWin.h"
#include "platform/Text.h"
#include "toolkit/BkWindow.h"
#include "toolkit/list/BkListCtrlSBar.h"

using namespace bench;

namespace {

void Drain()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

struct PaintTimes {
    double windowMs = 0;  // invalidate + UpdateWindow
    double memoryMs = 0;  // invalidate + WM_PRINTCLIENT into a memory DC
};

// Medians over batches of `paints` repaints each, per paint.
PaintTimes TimePaints(CMainDlg& w, int paints)
{
    HWND view = w.View().Hwnd();
    RECT client = {};
    GetClientRect(view, &client);
    HDC screen = GetDC(nullptr);
    ScopedMemDC memory(screen);
    ScopedGdiObj<HBITMAP> canvas(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(nullptr, screen);
    ScopedSelect select(memory, canvas.Get());

    Drain();
    std::vector<double> window, printed;
    for (int batch = 0; batch < 7; ++batch) {
        Stopwatch clock;
        for (int i = 0; i < paints; ++i) {
            w.View().RedrawAll();
            UpdateWindow(view);
        }
        GdiFlush();
        window.push_back(clock.Ms() / paints);
        clock.Restart();
        for (int i = 0; i < paints; ++i) {
            w.View().RedrawAll();
            SendMessageW(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
        }
        GdiFlush();
        printed.push_back(clock.Ms() / paints);
        // Leave no validated-but-stale area behind the printed redraws.
        UpdateWindow(view);
    }
    return PaintTimes{Median(window), Median(printed)};
}

void Report(const char* what, const PaintTimes& t, int paints)
{
    std::printf("paint %-24s %7s ms per full repaint on screen, %7s ms into a memory DC  (7 x %d paints, median)\n",
                what, Fixed(t.windowMs, 3).c_str(), Fixed(t.memoryMs, 3).c_str(), paints);
}

// Handles the thread's messages for `seconds` and names every timer that
// fired meanwhile, with its window class and count; "none" when none did.
std::string TimersFiring(double seconds)
{
    std::vector<std::pair<std::string, int>> seen;
    Stopwatch clock;
    while (clock.Ms() < seconds * 1000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER) {
                wchar_t cls[64] = {};
                GetClassNameW(msg.hwnd, cls, 64);
                std::string key = WideToUtf8(cls) + " timer " + std::to_string(msg.wParam);
                auto it = std::find_if(seen.begin(), seen.end(), [&](const auto& e) { return e.first == key; });
                if (it == seen.end())
                    seen.emplace_back(key, 1);
                else
                    ++it->second;
            }
            if (msg.message != WM_QUIT) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    if (seen.empty())
        return "none";
    std::string text;
    for (const auto& e : seen)
        text += (text.empty() ? "" : ", ") + e.first + " x" + std::to_string(e.second);
    return text;
}

void ReportTimers(const char* what, double seconds)
{
    std::string fired = TimersFiring(seconds);
    std::printf("timers %-30s %s in %s s\n", what, fired.c_str(), Fixed(seconds, 1).c_str());
}

std::wstring ElementText(CMainDlg& w, int id)
{
    CBkWindow* e = w.FindItem(id);
    return e ? e->Text() : std::wstring();
}

// A row like the one the window made for the package, with its own copy of
// the package's icon bytes.
std::unique_ptr<ListRowRecord> CopyRow(const AppItem& model, const std::vector<unsigned char>& icon, int n)
{
    auto item = std::make_unique<AppItem>();
    item->label = model.label + L" " + std::to_wstring(n);
    item->fileName = model.fileName;
    item->sizeText = model.sizeText;
    item->versionName = model.versionName;
    item->sdkVersion = model.sdkVersion;
    item->permissionText = model.permissionText;
    if (!icon.empty())
        item->iconBytes = icon;
    auto record = std::make_unique<ListRowRecord>();
    record->element = std::move(item);
    record->height = 35;
    return record;
}

int Run(const std::vector<std::wstring>& args)
{
    std::wstring package, second;
    int rows = 1000, paints = 20;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--rows" && i + 1 < args.size())
            rows = ParseCount(args[++i], 0);
        else if (args[i] == L"--paints" && i + 1 < args.size())
            paints = ParseCount(args[++i], 0);
        else if (package.empty())
            package = args[i];
        else
            second = args[i];
    }
    if (package.empty() || second.empty() || rows < 2 || rows > 100000 || paints < 1 || paints > 10000) {
        std::fprintf(stderr, "usage: tarvo-bench-paint PACKAGE OTHER-PACKAGE [--rows N] [--paints N]\n");
        return 2;
    }
    SetDiagnosticSink(&DiagnosticDiscard);
    PrepareToolkit();

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring ini = std::wstring(temp) + L"tarvo_bench_paint.ini";

    CMainDlg w(package);
    w.SetConfigPath(ini);
    if (!w.Create(nullptr)) {
        std::fprintf(stderr, "the main window was not made\n");
        return 1;
    }
    ShowWindow(w.GetHwnd(), SW_SHOWNOACTIVATE);
    SendMessageW(w.GetHwnd(), WM_TIMER, kFirstLoadTimer, 0);
    Drain();
    if (ElementText(w, 20015).empty()) {
        std::fprintf(stderr, "the package shows no label: is the inspection stand-in beside this program?\n");
        return 1;
    }
    Report("main window", TimePaints(w, paints), paints);
    ReportTimers("main window, idle:", 2.0);

    std::wstring line = L"\"" + second + L"\"";
    COPYDATASTRUCT cd = {};
    cd.cbData = static_cast<DWORD>((line.size() + 1) * sizeof(wchar_t));
    cd.lpData = const_cast<wchar_t*>(line.c_str());
    SendMessageW(w.GetHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cd));
    CBkListCtrlSBar* list = w.PackageList();
    if (!w.ListMode() || !list || list->GetItemCount() != 2) {
        std::fprintf(stderr, "the second package did not switch the window to its list\n");
        return 1;
    }
    Report("list, 2 rows", TimePaints(w, paints), paints);
    ReportTimers("list of 2, idle:", 2.0);

    auto* model = dynamic_cast<AppItem*>(list->GetItemElement(1));
    if (!model) {
        std::fprintf(stderr, "the list rows hold no package items\n");
        return 1;
    }
    std::vector<unsigned char> icon;
    {
        PackageInfo info(second);
        PackageIconReader reader(info);
        if (reader.ReadIcon())
            icon.assign(reader.GetIconData(), reader.GetIconData() + reader.GetIconSize());
    }
    while (list->GetItemCount() < rows)
        list->AppendItem(CopyRow(*model, icon, list->GetItemCount()));
    list->Relayout();
    Drain();
    std::string label = "list, " + std::to_string(list->GetItemCount()) + " rows";
    Report(label.c_str(), TimePaints(w, paints), paints);
    list->ScrollToEnd();
    Drain();
    if (list->GetScrollPos() <= 0) {
        std::fprintf(stderr, "the list did not scroll to its end\n");
        return 1;
    }
    label += ", at the end";
    Report(label.c_str(), TimePaints(w, paints), paints);

    // One wheel notch over the list starts its eased scroll, which must
    // stop by itself.
    HWND view = w.View().Hwnd();
    const RECT& area = list->Rect();
    POINT inside = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    SendMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    POINT screen = inside;
    ClientToScreen(view, &screen);
    const int before = list->GetScrollPos();
    SendMessageW(view, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    ReportTimers("list, 1 s after a wheel notch:", 1.0);
    ReportTimers("list, idle after that:", 2.0);
    std::printf("wheel scroll moved the list from %d to %d\n", before, list->GetScrollPos());

    DestroyWindow(w.GetHwnd());
    Drain();
    DeleteFileW(ini.c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    return Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
