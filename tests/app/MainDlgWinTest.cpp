// The main window driven by messages under Wine, with the fake inspection
// tool replaying the package corpus and the fake bridge for installs.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/MainDlg.h"
#include "app/StartUp.h"
#include "device/InstallEngine.h"
#include "device/InstallReporter.h"
#include "platform/Diagnostics.h"
#include "toolkit/BkWindow.h"
#include "toolkit/host/ElementNotify.h"
#include "tests/toolkit/ViewProbe.h"
#include "toolkit/list/BkListCtrl.h"
#include "toolkit/list/BkListCtrlSBar.h"

using testing_support::CorpusDir;
using testing_support::CorpusFile;

namespace {

std::wstring ElementText(CMainDlg& w, int id)
{
    CBkWindow* e = w.FindItem(id);
    return e ? e->Text() : L"<missing>";
}

bool Visible(CMainDlg& w, int id)
{
    CBkWindow* e = w.FindItem(id);
    return e && e->IsVisible(false);
}

bool Enabled(CMainDlg& w, int id)
{
    CBkWindow* e = w.FindItem(id);
    return e && !e->IsDisabled(false);
}

SIZE ClientSize(HWND h)
{
    RECT r = {};
    GetClientRect(h, &r);
    return SIZE{r.right, r.bottom};
}

void Drain()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT && msg.message != WM_TIMER) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

LRESULT Click(CMainDlg& w, int id)
{
    return SendElementNotify(w.GetHwnd(), ElementEvent(w.View().Hwnd(), kViewControlId, NotifyClick, id, ""));
}

LRESULT Forward(CMainDlg& w, const std::wstring& commandLine)
{
    COPYDATASTRUCT cd = {};
    cd.cbData = static_cast<DWORD>(commandLine.size() * 2 + 2);
    cd.lpData = const_cast<wchar_t*>(commandLine.c_str());
    return SendMessageW(w.GetHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cd));
}

// A shell drop record for the given files.
HGLOBAL DropRecord(const std::vector<std::wstring>& files)
{
    size_t chars = 1;
    for (const std::wstring& f : files)
        chars += f.size() + 1;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* df = static_cast<DROPFILES*>(GlobalLock(h));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    auto* p = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(df) + sizeof(DROPFILES));
    for (const std::wstring& f : files) {
        std::memcpy(p, f.c_str(), f.size() * sizeof(wchar_t));
        p += f.size() + 1;
    }
    GlobalUnlock(h);
    return h;
}

void Drop(CMainDlg& w, const std::vector<std::wstring>& files)
{
    SendMessageW(w.GetHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropRecord(files)), 0);
}

void Report(CMainDlg& w, std::int32_t result, std::int32_t index = 0)
{
    InstallProgress p;
    p.result = static_cast<InstallResult>(result);
    p.index = index;
    SendMessageW(w.GetHwnd(), WM_INSTALL_PROGRESS, 0, reinterpret_cast<LPARAM>(&p));
}

class MainDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SetEnvironmentVariableW(L"TARVO_FAKE_AAPT_REPLAY", CorpusDir().c_str());
        // The window's record of what it shows is not wanted here.
        SetDiagnosticSink(&DiagnosticDiscard);
        PrepareToolkit();
    }

    void SetUp() override
    {
        ASSERT_FALSE(CorpusDir().empty()) << "TARVO_CORPUS not set";
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        ini_ = std::wstring(temp) + L"tarvo_maindlg_test.ini";
        DeleteFileW(ini_.c_str());
    }
    void TearDown() override
    {
        window_.reset();
        Drain();
        DeleteFileW(ini_.c_str());
    }

    CMainDlg& Open(const std::wstring& startPath)
    {
        window_ = std::make_unique<CMainDlg>(startPath);
        window_->SetConfigPath(ini_);
        EXPECT_NE(window_->Create(nullptr), nullptr);
        ShowWindow(window_->GetHwnd(), SW_SHOWNOACTIVATE);
        SendMessageW(window_->GetHwnd(), WM_TIMER, kFirstLoadTimer, 0);
        return *window_;
    }

    std::unique_ptr<CMainDlg> window_;
    std::wstring ini_;
};

}  // namespace

TEST_F(MainDlgTest, AnEmptyStartWaitsAndDropsTakeApkFilesInAnyCaseOnceTheFirstShownAlone)
{
    CMainDlg& w = Open(L"");
    EXPECT_EQ(ElementText(w, 20017), L"");
    EXPECT_FALSE(Enabled(w, 20003));
    ASSERT_NE(w.PackageList(), nullptr);
    EXPECT_NE(SendMessageW(w.GetHwnd(), WM_GETICON, ICON_SMALL, 0), 0) << "the program's icon for the task bar";
    std::wstring upper = CorpusFile(L"plain.apk");
    upper.replace(upper.size() - 3, 3, L"APK");
    Drop(w, {CorpusFile(L"plain.apk.bak"), CorpusFile(L"noext")});
    EXPECT_TRUE(w.PendingPaths().empty());
    Drop(w, {CorpusFile(L"plain.apk")});
    Drop(w, {upper});
    EXPECT_EQ(w.PendingPaths().size(), 1u);
    EXPECT_FALSE(w.ListMode());
    EXPECT_EQ(ElementText(w, 20015), L"Demo App");
    EXPECT_TRUE(Enabled(w, 20003));
}

TEST_F(MainDlgTest, ForwardedCommandLinesSwitchToTheListWhoseRowsTakeTheirOutcomes)
{
    CMainDlg& w = Open(CorpusFile(L"chinese.apk"));
    SIZE before = ClientSize(w.GetHwnd());
    EXPECT_EQ(Forward(w, L""), FALSE);
    EXPECT_EQ(Forward(w, L"\"\""), FALSE);
    EXPECT_EQ(Forward(w, L"\"" + CorpusFile(L"plain.apk") + L"\""), TRUE);
    Forward(w, CorpusFile(L"quote.apk"));
    ASSERT_TRUE(w.ListMode());
    EXPECT_EQ(w.PackageList()->GetItemCount(), 3);
    EXPECT_EQ(ElementText(w, 20010), L"安装全部");
    EXPECT_FALSE(Visible(w, 20001));
    EXPECT_EQ(ClientSize(w.GetHwnd()).cx, before.cx);
    EXPECT_EQ(ClientSize(w.GetHwnd()).cy, before.cy + 90);
    SendMessageW(w.GetHwnd(), WM_INSTALL_START, 0, 0);
    Report(w, InstallAlreadyExists, 0);
    EXPECT_EQ(ElementText(w, 20006), L"");
    EXPECT_EQ(w.NextIndex(), 1);
    EXPECT_EQ(w.PendingPaths().size(), 2u);
    Report(w, InstallNoDevice, 1);  // a batch-ending result keeps the package and says so
    EXPECT_EQ(ElementText(w, 20006), L"没有连接设备，安装失败！");
    EXPECT_EQ(w.RunBase(), 1);
    EXPECT_EQ(w.PendingPaths().size(), 2u);
    SendMessageW(w.GetHwnd(), WM_INSTALL_DONE, 0, 0);
    EXPECT_FALSE(w.InstallRunning());
}

TEST_F(MainDlgTest, AMissingMainProductIsSaidAndThePermissionBoxReadsGreyOnWhite)
{
    CMainDlg& w = Open(L"");
    Click(w, 20004);
    EXPECT_EQ(ElementText(w, 20006), L"没有找到Korvel!");
    EXPECT_TRUE(Visible(w, 20006));
    HDC dc = GetDC(w.PermissionBox());
    SetBkColor(dc, RGB(1, 2, 3));
    LRESULT brush = SendMessageW(w.View().Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(w.PermissionBox()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetBkColor(dc), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(GetTextColor(dc), RGB(0xAD, 0xAD, 0xAD));
    ReleaseDC(w.PermissionBox(), dc);
}

TEST_F(MainDlgTest, OneWheelNotchOverThePermissionBoxIsOneLine)
{
    CMainDlg& w = Open(CorpusFile(L"demo.apk"));
    Click(w, 20001);
    HWND box = w.PermissionBox();
    RECT r = {};
    GetWindowRect(box, &r);
    const POINT over = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SetCursorPos(over.x, over.y);
    // The pointer over the box gives it the focus, so the wheel goes there.
    SendMessageW(box, WM_MOUSEMOVE, 0, 0);
    auto notch = [&](int delta) {
        SendMessageW(GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(over.x, over.y));
        Drain();
        return SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    };
    ASSERT_EQ(GetFocus(), box);
    EXPECT_EQ(notch(-WHEEL_DELTA), 1);
    EXPECT_EQ(notch(-WHEEL_DELTA), 2);
    EXPECT_EQ(notch(WHEEL_DELTA), 1);
    EXPECT_EQ(notch(WHEEL_DELTA), 0);
    EXPECT_EQ(notch(WHEEL_DELTA), 0) << "at the first line a notch up does nothing";
}

TEST_F(MainDlgTest, PermissionToggleRestoresTheSize)
{
    CMainDlg& w = Open(CorpusFile(L"chinese.apk"));
    SIZE before = ClientSize(w.GetHwnd());
    Click(w, 20001);
    EXPECT_FALSE(w.PermissionsHidden());
    EXPECT_EQ(ClientSize(w.GetHwnd()).cy, before.cy + 90);
    EXPECT_TRUE(Visible(w, 20008));
    EXPECT_TRUE(Visible(w, 20002));
    Click(w, 20011);
    EXPECT_TRUE(w.PermissionsHidden());
    EXPECT_EQ(ClientSize(w.GetHwnd()).cy, before.cy);
    Click(w, 20011);
    EXPECT_FALSE(w.PermissionsHidden());
    Click(w, 20002);
    EXPECT_EQ(ClientSize(w.GetHwnd()).cy, before.cy);
}

TEST_F(MainDlgTest, AnAddedPackageCancelsTheCountdown)
{
    CMainDlg& w = Open(CorpusFile(L"chinese.apk"));
    Report(w, InstallSuccess);
    // The handled package left the queue; a new one is shown alone.
    Drop(w, {CorpusFile(L"plain.apk")});
    EXPECT_FALSE(w.ListMode());
    SendMessageW(w.GetHwnd(), WM_TIMER, kCountdownTimer, 0);
    EXPECT_FALSE(Visible(w, 20007));
    EXPECT_TRUE(Enabled(w, 20003));
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

namespace {

// The fake bridge lies where the engine looks for the bridge tool (the build
// puts it beside this program); each test gives it a script.
struct FakeBridgeBeside {
    std::wstring dir = GetModuleDirectory() + L"\\";
    std::wstring log = dir + L"korvel_helper.log";
    FakeBridgeBeside(const char* script)
    {
        std::wstring scriptPath = dir + L"maindlg_bridge.script";
        HANDLE f = CreateFileW(scriptPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(f, script, static_cast<DWORD>(std::strlen(script)), &written, nullptr);
        CloseHandle(f);
        SetEnvironmentVariableW(L"TARVO_FAKEBRIDGE_SCRIPT", scriptPath.c_str());
        DeleteFileW(log.c_str());
    }
    ~FakeBridgeBeside() { SetEnvironmentVariableW(L"TARVO_FAKEBRIDGE_SCRIPT", nullptr); }
};

// Handles messages (the worker's reports among them) until the batch has
// ended; bounded so a fault cannot hang the test.
void PumpUntilInstallEnds(CMainDlg& w)
{
    for (int i = 0; i < 3000 && w.InstallRunning(); ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Drain();
    }
}

}  // namespace

TEST_F(MainDlgTest, NoTimerRunsOnceTheWaitImageStops)
{
    FakeBridgeBeside bridge("success\n");
    CMainDlg& w = Open(CorpusFile(L"chinese.apk"));
    Forward(w, CorpusFile(L"plain.apk"));
    Click(w, 20003);
    PumpUntilInstallEnds(w);
    ASSERT_FALSE(w.InstallRunning());
    // The wait image has stopped; the next tick lets it go.
    SendMessageW(w.GetHwnd(), WM_TIMER, kAnimationTimer, 0);
    // KillTimer finds a timer that still runs.
    EXPECT_FALSE(KillTimer(w.GetHwnd(), kAnimationTimer)) << "an idle window still ticks";
    // A new batch starts it again.
    Drop(w, {CorpusFile(L"quote.apk")});
    Click(w, 20003);
    EXPECT_TRUE(KillTimer(w.GetHwnd(), kAnimationTimer));
    PumpUntilInstallEnds(w);
}

namespace {

// Records the last TTM_ACTIVATE the view's tooltip was sent, and whether it
// was on when it last saw a move (it starts its delay only then).
WNDPROC g_tooltipProc = nullptr;
int g_tooltipActive = -1;
int g_activeAtMove = -1;
LRESULT CALLBACK TooltipSpy(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == TTM_ACTIVATE)
        g_tooltipActive = wparam ? 1 : 0;
    if (message == TTM_RELAYEVENT && reinterpret_cast<const MSG*>(lparam)->message == WM_MOUSEMOVE)
        g_activeAtMove = g_tooltipActive;
    return CallWindowProcW(g_tooltipProc, hwnd, message, wparam, lparam);
}

}  // namespace

TEST_F(MainDlgTest, ARowsTooltipShowsAfterThePointerCrossedTheBackground)
{
    CMainDlg& w = Open(CorpusFile(L"chinese.apk"));
    Forward(w, CorpusFile(L"plain.apk"));
    SendMessageW(w.GetHwnd(), WM_INSTALL_START, 0, 0);
    Report(w, InstallInconsistentCertificates, 0);
    HWND view = w.View().Hwnd();
    // Rows take their tips when they are drawn.
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    auto hover = [&](int x, int y) {
        POINT screen = {x, y};
        ClientToScreen(view, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        SendMessageW(view, WM_TIMER, CBkListCtrl::kHoverTimer, 0);
    };
    // The list gets the view's tooltip when the pointer first reaches it.
    hover(100, 76 + 17);
    HWND tooltip = w.PackageList()->TooltipLink();
    ASSERT_NE(tooltip, nullptr);
    g_tooltipProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TooltipSpy)));
    // The background has no tip: the view turns its tooltip off there.
    hover(200, 20);
    EXPECT_EQ(g_tooltipActive, 0);
    // Row 0's label, then its shortened status: each shows its whole text.
    hover(100, 76 + 17);
    EXPECT_EQ(g_tooltipActive, 1) << "the row's tip stays switched off";
    EXPECT_EQ(g_activeAtMove, 1) << "the move onto the row reached the tooltip while it was off";
    EXPECT_EQ(view_test::TooltipText(tooltip, view), L"安装助手");
    hover(250, 76 + 17);
    EXPECT_EQ(g_tooltipActive, 1);
    EXPECT_EQ(view_test::TooltipText(tooltip, view), L"签名冲突，请卸载同名软件后重试！");
    SetWindowLongPtrW(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_tooltipProc));
}
