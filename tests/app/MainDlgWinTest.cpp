// The main window driven by messages under Wine, with our own inspection
// tool reading the package corpus and the fake bridge for installs.
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
#include "platform/Diagnostics.h"
#include "toolkit/BkWindow.h"
#include "toolkit/host/ElementNotify.h"

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

class MainDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
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
    Forward(w, CorpusFile(L"quote.apk"));
    Click(w, 20003);
    EXPECT_TRUE(KillTimer(w.GetHwnd(), kAnimationTimer));
    PumpUntilInstallEnds(w);
}
