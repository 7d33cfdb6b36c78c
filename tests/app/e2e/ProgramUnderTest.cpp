#include "app/e2e/ProgramUnderTest.h"

#include <commctrl.h>
#include <utility>
#include <shellapi.h>
#include <shlobj.h>

#include "TestSupport.h"
#include "app/UiTrace.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/TextSplit.h"
#include "toolkit/skins/GdiplusSession.h"

namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kWindowBoundMs = 30000;

void RemoveTree(const std::wstring& folder)
{
    std::wstring from = folder + L'\0';
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

// The complete lines of a file another process is still writing.
std::vector<std::string> CompleteLines(std::string bytes)
{
    const size_t end = bytes.find_last_of('\n');
    bytes.erase(end == std::string::npos ? 0 : end + 1);
    return platform::SplitLines(bytes);
}

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindMarked(HWND h, LPARAM param)
{
    auto* found = reinterpret_cast<FoundWindow*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == found->processId && IsWindowVisible(h) && GetPropW(h, L"Tarvo") == reinterpret_cast<HANDLE>(112233)) {
        found->window = h;
        return FALSE;
    }
    return TRUE;
}

void SendMouse(DWORD flags, int data = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.mouseData = static_cast<DWORD>(data);
    SendInput(1, &in, sizeof in);
}

}  // namespace

std::wstring ShownState::Text(int id) const
{
    auto it = texts.find(id);
    return it == texts.end() ? std::wstring() : it->second;
}

std::wstring ShownState::RowText(int row) const
{
    auto it = rowTexts.find(row);
    return it == rowTexts.end() ? std::wstring() : it->second;
}

bool ShownState::Shown(int id) const
{
    auto it = shown.find(id);
    return it != shown.end() && it->second;
}

bool ShownState::EverShowed(int id, const std::wstring& text) const
{
    const std::wstring entry = std::to_wstring(id) + L" " + text;
    for (const std::wstring& e : textHistory) {
        if (e == entry)
            return true;
    }
    return false;
}

std::wstring SettingsFile()
{
    wchar_t documents[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
    return std::wstring(documents) + L"\\Korvel\\TarvoConfig.ini";
}

ProgramUnderTest::ProgramUnderTest(const std::wstring& name)
    : e2e_(GetModuleDirectory() + L"\\"), work_(e2e_ + L"work\\" + name + L"\\"), exeFolder_(e2e_),
      diagnostics_(work_ + L"shown.log")
{
    RemoveTree(work_.substr(0, work_.size() - 1));
    CreateDirectoryW((e2e_ + L"work").c_str(), nullptr);
    CreateDirectoryW(work_.c_str(), nullptr);
    platform::SetEnvironmentValue(L"TARVO_DIAGNOSTICS", diagnostics_);
    platform::SetEnvironmentValue(L"TARVO_FAKEBRIDGE_LOG", work_ + L"bridge.log");
    SetBridgeScript("success\n");
}

ProgramUnderTest::~ProgramUnderTest()
{
    End();
    // A hanging bridge call of this run ends too.
    platform::WriteFileBytes(BridgeReleaseFile(), "");
}

void ProgramUnderTest::End()
{
    if (process_) {
        if (Running()) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
    process_ = nullptr;
    processId_ = 0;
    window_ = nullptr;
    DeleteFileW(diagnostics_.c_str());
}

std::wstring ProgramUnderTest::ExePath() const { return exeFolder_ + L"KorvelTarvo.exe"; }

void ProgramUnderTest::UseRealBridge(const std::string& adbSays)
{
    exeFolder_ = work_ + L"app\\";
    CreateDirectoryW(exeFolder_.c_str(), nullptr);
    const std::wstring bin = e2e_ + L"..\\";
    for (const auto& copy : {std::make_pair(e2e_ + L"KorvelTarvo.exe", L"KorvelTarvo.exe"),
                             std::make_pair(e2e_ + L"aapt.exe", L"aapt.exe"),
                             std::make_pair(bin + L"korvel_helper.exe", L"korvel_helper.exe"),
                             std::make_pair(bin + L"fakeadb\\adb.exe", L"adb.exe")})
        CopyFileW(copy.first.c_str(), (exeFolder_ + copy.second).c_str(), FALSE);
    platform::WriteFileBytes(exeFolder_ + L"adb-says.txt", adbSays);
}

std::vector<std::string> ProgramUnderTest::AdbCalls() const
{
    std::string bytes;
    platform::ReadFileBytes(exeFolder_ + L"adb-log.txt", &bytes, 1 << 20);
    return CompleteLines(bytes);
}

void ProgramUnderTest::SetBridgeScript(const std::string& script)
{
    const std::wstring path = work_ + L"bridge.script";
    platform::WriteFileBytes(path, script);
    platform::SetEnvironmentValue(L"TARVO_FAKEBRIDGE_SCRIPT", path);
}

std::vector<std::string> ProgramUnderTest::BridgeCalls() const
{
    std::string bytes;
    platform::ReadFileBytes(work_ + L"bridge.log", &bytes, 1 << 20);
    return CompleteLines(bytes);
}

std::wstring ProgramUnderTest::CopyPackage(const std::wstring& corpusName, const std::wstring& newRelativePath) const
{
    std::wstring target = work_ + newRelativePath;
    for (size_t cut = target.find(L'\\', work_.size()); cut != std::wstring::npos; cut = target.find(L'\\', cut + 1))
        CreateDirectoryW(target.substr(0, cut).c_str(), nullptr);
    CopyFileW(testing_support::CorpusFile(corpusName).c_str(), target.c_str(), FALSE);
    return target;
}

bool ProgramUnderTest::Launch(const std::wstring& arguments, PROCESS_INFORMATION* pi) const
{
    std::wstring commandLine = L"\"" + ExePath() + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(ExePath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, work_.c_str(), &si,
                        pi))
        return false;
    CloseHandle(pi->hThread);
    return true;
}

bool ProgramUnderTest::Start(const std::wstring& arguments, DWORD errorModeForChild)
{
    PROCESS_INFORMATION pi = {};
    // The child takes the error mode it is started with.
    UINT previousMode = SetErrorMode(errorModeForChild);
    bool made = Launch(arguments, &pi);
    SetErrorMode(previousMode);
    if (!made)
        return false;
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
    return true;
}

int ProgramUnderTest::RunSecondInstance(const std::wstring& arguments)
{
    PROCESS_INFORMATION pi = {};
    if (!Launch(arguments, &pi))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, kWindowBoundMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 98);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

HWND ProgramUnderTest::WaitForWindow()
{
    for (DWORD waited = 0; waited < kWindowBoundMs && Running(); waited += kPollMs) {
        FoundWindow found = {processId_, nullptr};
        EnumWindows(&FindMarked, reinterpret_cast<LPARAM>(&found));
        if (found.window) {
            window_ = found.window;
            return window_;
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

HWND ProgramUnderTest::View() const { return window_ ? GetDlgItem(window_, 1000) : nullptr; }

SIZE ProgramUnderTest::ViewSize() const
{
    RECT r = {};
    GetClientRect(View(), &r);
    return SIZE{r.right, r.bottom};
}

ShownState ProgramUnderTest::Shown() const
{
    ShownState state;
    std::string bytes;
    platform::ReadFileBytes(diagnostics_, &bytes, 64u << 20);
    for (const std::string& line : CompleteLines(bytes)) {
        UiTraceEntry e;
        if (!ParseUiTrace(Utf8ToWide(line), &e))
            continue;
        if (e.kind == L"text") {
            state.texts[e.id] = e.text;
            state.textHistory.push_back(std::to_wstring(e.id) + L" " + e.text);
        } else if (e.kind == L"show") {
            state.shown[e.id] = e.text == L"1";
        } else if (e.kind == L"rows") {
            state.rows = e.id;
            for (auto it = state.rowTexts.begin(); it != state.rowTexts.end();)
                it = it->first >= e.id ? state.rowTexts.erase(it) : std::next(it);
        } else if (e.kind == L"row") {
            state.rowTexts[e.id] = e.text;
        }
    }
    return state;
}

bool ProgramUnderTest::WaitFor(const std::function<bool(const ShownState&)>& done, DWORD boundMs) const
{
    for (DWORD waited = 0;; waited += kPollMs) {
        if (done(Shown()))
            return true;
        if (waited >= boundMs)
            return false;
        Sleep(kPollMs);
    }
}

POINT ProgramUnderTest::ScreenPoint(int x, int y) const
{
    SIZE size = ViewSize();
    POINT p = {x < 0 ? size.cx + x : x, y < 0 ? size.cy + y : y};
    ClientToScreen(View(), &p);
    return p;
}

std::wstring ProgramUnderTest::ShownTooltip() const
{
    struct Found {
        std::wstring text;
    } found;
    EnumThreadWindows(
        GetWindowThreadProcessId(window_, nullptr),
        [](HWND hwnd, LPARAM lparam) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(hwnd))
                return TRUE;
            wchar_t text[256] = {};
            SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, nullptr);
            reinterpret_cast<Found*>(lparam)->text = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.text;
}

void ProgramUnderTest::MoveTo(int x, int y) const
{
    POINT p = ScreenPoint(x, y);
    SetCursorPos(p.x, p.y);
    // A move event of its own, so hover follows even when the cursor was
    // already there.
    SendMouse(MOUSEEVENTF_MOVE);
    Sleep(150);
}

void ProgramUnderTest::MoveAway() const
{
    RECT r = {};
    GetWindowRect(window_, &r);
    SetCursorPos(r.left > 20 ? r.left - 10 : r.right + 10, r.top > 20 ? r.top - 10 : r.bottom + 10);
    SendMouse(MOUSEEVENTF_MOVE);
    Sleep(150);
}

void ProgramUnderTest::Click(int x, int y) const
{
    // Two clicks in quick succession would make a double click.
    const DWORD since = GetTickCount() - lastClick_;
    if (since <= GetDoubleClickTime())
        Sleep(GetDoubleClickTime() - since + 50);
    MoveTo(x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
    SendMouse(MOUSEEVENTF_LEFTUP);
    lastClick_ = GetTickCount();
    Sleep(150);
}

void ProgramUnderTest::Wheel(int x, int y, int notches) const
{
    MoveTo(x, y);
    SendMouse(MOUSEEVENTF_WHEEL, notches * WHEEL_DELTA);
    Sleep(150);
}

void ProgramUnderTest::Key(WORD virtualKey) const
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = virtualKey;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
    Sleep(150);
}

bool ProgramUnderTest::Drop(const std::vector<std::wstring>& files, int x, int y) const
{
    std::wstring names;
    for (const std::wstring& f : files)
        names += f + L'\0';
    names += L'\0';
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = ScreenPoint(x, y);
    ScreenToClient(window_, &header.pt);
    header.fWide = TRUE;
    std::string record(reinterpret_cast<const char*>(&header), sizeof header);
    record.append(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t));
    // A fixed memory block is its own handle; DragFinish's release of it
    // fails quietly, which the program never looks at.
    void* remote = VirtualAllocEx(process_, nullptr, record.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    if (!remote || !WriteProcessMemory(process_, remote, record.data(), record.size(), &written))
        return false;
    return PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

int ProgramUnderTest::WaitForExit(DWORD boundMs)
{
    if (!process_ || WaitForSingleObject(process_, boundMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

bool ProgramUnderTest::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ProgramUnderTest::Screenshot(const std::wstring& name) const
{
    const std::wstring chosen = platform::EnvironmentValue(L"TARVO_E2E_SHOTS");
    const std::wstring shots = chosen.empty() ? e2e_ + L"shots\\" : chosen + L"\\";
    CreateDirectoryW(shots.c_str(), nullptr);
    // What the diagnostics said is set may not be painted yet: wait until the
    // program's thread is back in its loop, then have it paint now.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
    RECT r = {};
    GetWindowRect(window_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    bool saved = false;
    {
        GdiplusSession session;
        saved = session.Ok() && SaveBitmapAsPng(bitmap, shots + name + L".png");
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}
