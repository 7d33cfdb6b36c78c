// The real KorvelTarvo.exe in its own process, driven as a user drives it:
// started with a command line, clicked with the real mouse, fed by drops
// and second starts; what it shows is read back from its diagnostics file.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/UiTrace.h"
#include "platform/Environment.h"
#include "platform/FileBytes.h"
#include "platform/Text.h"
#include "toolkit/skins/GdiplusSession.h"

// What the window has shown so far: the last text and visibility per
// element id, the number of list rows and each row as last drawn
// ("label|status|error flag").
struct ShownState {
    std::map<int, std::wstring> texts, rowTexts;
    std::map<int, bool> shown;
    int rows = 0;
    std::vector<std::wstring> textHistory;  // "id text", in order
    std::vector<std::wstring> menus;        // each menu shown, its entries one a line

    std::wstring Text(int id) const { return texts.count(id) ? texts.at(id) : std::wstring(); }
    std::wstring RowText(int row) const { return rowTexts.count(row) ? rowTexts.at(row) : std::wstring(); }
    bool Shown(int id) const { return shown.count(id) && shown.at(id); }  // false when never said
    bool EverShowed(int id, const std::wstring& text) const
    {
        const std::wstring entry = std::to_wstring(id) + L" " + text;
        return std::find(textHistory.begin(), textHistory.end(), entry) != textHistory.end();
    }
};

// The user's documents folder's settings file of the program.
inline std::wstring SettingsFile()
{
    wchar_t documents[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
    return std::wstring(documents) + L"\\Korvel\\TarvoConfig.ini";
}

class ProgramUnderTest {
public:
    // Works in the folder "<e2e folder>\work\<name>\" (made afresh).
    explicit ProgramUnderTest(const std::wstring& name)
        : e2e_(GetModuleDirectory() + L"\\"), work_(e2e_ + L"work\\" + name + L"\\"), exeFolder_(e2e_),
          diagnostics_(work_ + L"shown.log")
    {
        std::wstring from = work_.substr(0, work_.size() - 1) + L'\0';
        SHFILEOPSTRUCTW op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationW(&op);
        CreateDirectoryW((e2e_ + L"work").c_str(), nullptr);
        CreateDirectoryW(work_.c_str(), nullptr);
        testing_support::SetEnvironmentValue(L"TARVO_DIAGNOSTICS", diagnostics_);
        testing_support::SetEnvironmentValue(L"TARVO_FAKEBRIDGE_LOG", work_ + L"bridge.log");
        SetBridgeScript("success\n");
    }
    ~ProgramUnderTest()
    {
        End();
        testing_support::WriteFileBytes(work_ + L"bridge.log.release", "");  // a hanging bridge call ends too
    }
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    const std::wstring& WorkFolder() const { return work_; }
    std::wstring ExePath() const { return exeFolder_ + L"KorvelTarvo.exe"; }
    // The fake bridge's script for this run (lines as the tool reads them).
    void SetBridgeScript(const std::string& script)
    {
        testing_support::WriteFileBytes(work_ + L"bridge.script", script);
        testing_support::SetEnvironmentValue(L"TARVO_FAKEBRIDGE_SCRIPT", work_ + L"bridge.script");
    }
    std::vector<std::string> BridgeCalls() const { return CompleteLines(work_ + L"bridge.log"); }
    // From now on the program runs from "<work>\app\" with the real bridge
    // tool beside it, and the scripted adb beside that, which answers
    // `adbSays` to every call.
    void UseRealBridge(const std::string& adbSays)
    {
        exeFolder_ = work_ + L"app\\";
        CreateDirectoryW(exeFolder_.c_str(), nullptr);
        for (const auto& [from, to] : {std::make_pair(e2e_ + L"KorvelTarvo.exe", L"KorvelTarvo.exe"),
                                       std::make_pair(e2e_ + L"aapt.exe", L"aapt.exe"),
                                       std::make_pair(e2e_ + L"..\\korvel_helper.exe", L"korvel_helper.exe"),
                                       std::make_pair(e2e_ + L"..\\fakeadb\\adb.exe", L"adb.exe")})
            CopyFileW(from.c_str(), (exeFolder_ + to).c_str(), FALSE);
        testing_support::WriteFileBytes(exeFolder_ + L"adb-says.txt", adbSays);
    }
    // What the scripted adb answers from now on.
    void AdbSays(const std::string& text) const { testing_support::WriteFileBytes(exeFolder_ + L"adb-says.txt", text); }
    std::vector<std::string> AdbCalls() const { return CompleteLines(exeFolder_ + L"adb-log.txt"); }
    // A copy of a corpus package under a new name inside the work folder.
    std::wstring CopyPackage(const std::wstring& corpusName, const std::wstring& newRelativePath) const
    {
        std::wstring target = work_ + newRelativePath;
        for (size_t cut = target.find(L'\\', work_.size()); cut != std::wstring::npos;
             cut = target.find(L'\\', cut + 1))
            CreateDirectoryW(target.substr(0, cut).c_str(), nullptr);
        CopyFileW(testing_support::CorpusFile(corpusName).c_str(), target.c_str(), FALSE);
        return target;
    }

    // Starts the program with this exact command-line tail (quotes as
    // given). False when the process cannot be made.
    bool Start(const std::wstring& arguments, DWORD errorModeForChild = 0)
    {
        PROCESS_INFORMATION pi = {};
        const UINT previousMode = SetErrorMode(errorModeForChild);  // the child takes it
        const bool made = Launch(arguments, &pi);
        SetErrorMode(previousMode);
        process_ = made ? pi.hProcess : nullptr;
        processId_ = pi.dwProcessId;
        return made;
    }
    // Ends the program at once and forgets what it showed, for a new start.
    void End()
    {
        if (process_) {
            if (Running()) {
                TerminateProcess(process_, 99);
                WaitForSingleObject(process_, 5000);
            }
            CloseHandle(process_);
        }
        process_ = nullptr;
        window_ = nullptr;
        DeleteFileW(diagnostics_.c_str());
    }
    // Starts another instance with the same environment and waits for it;
    // its exit code, or -1 when it did not end within the bound.
    int RunSecondInstance(const std::wstring& arguments)
    {
        PROCESS_INFORMATION pi = {};
        if (!Launch(arguments, &pi))
            return -1;
        DWORD code = static_cast<DWORD>(-1);
        if (WaitForSingleObject(pi.hProcess, kBoundMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(pi.hProcess, &code);
        else
            TerminateProcess(pi.hProcess, 98);
        CloseHandle(pi.hProcess);
        return static_cast<int>(code);
    }

    // The main window once it is up (its property set, visible); nullptr
    // when it does not come within the bound.
    HWND WaitForWindow()
    {
        for (DWORD waited = 0; waited < kBoundMs && Running() && !window_; waited += kPollMs) {
            EnumWindows(
                [](HWND h, LPARAM self) -> BOOL {
                    auto* p = reinterpret_cast<ProgramUnderTest*>(self);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(h, &pid);
                    if (pid != p->processId_ || !IsWindowVisible(h) || GetPropW(h, L"Tarvo") != HANDLE(112233))
                        return TRUE;
                    p->window_ = h;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(this));
            if (!window_)
                Sleep(kPollMs);
        }
        return window_;
    }
    HWND Window() const { return window_; }
    HWND View() const { return window_ ? GetDlgItem(window_, 1000) : nullptr; }
    SIZE ViewSize() const
    {
        RECT r = {};
        GetClientRect(View(), &r);
        return SIZE{r.right, r.bottom};
    }
    // The text of the program's tooltip while one is on screen, else empty.
    std::wstring ShownTooltip() const
    {
        std::wstring found;
        EnumThreadWindows(
            GetWindowThreadProcessId(window_, nullptr),
            [](HWND hwnd, LPARAM out) -> BOOL {
                wchar_t name[64] = {}, text[256] = {};
                GetClassNameW(hwnd, name, 64);
                if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(hwnd))
                    return TRUE;
                SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, nullptr);
                *reinterpret_cast<std::wstring*>(out) = text;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    ShownState Shown() const
    {
        ShownState state;
        for (const std::string& line : CompleteLines(diagnostics_)) {
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
                state.rowTexts.erase(state.rowTexts.lower_bound(e.id), state.rowTexts.end());
            } else if (e.kind == L"row") {
                state.rowTexts[e.id] = e.text;
            } else if (e.kind == L"menu") {
                state.menus.push_back(e.text);
            }
        }
        return state;
    }
    // Polls until the predicate holds; false after the bound (a hang guard,
    // long enough for a slow machine).
    bool WaitFor(const std::function<bool(const ShownState&)>& done, DWORD boundMs = kBoundMs) const
    {
        for (DWORD waited = 0; !done(Shown()); waited += kPollMs) {
            if (waited >= boundMs)
                return false;
            Sleep(kPollMs);
        }
        return true;
    }

    // Real input at view coordinates (negative counts from the right or
    // bottom edge, as the layouts do).
    void MoveTo(int x, int y) const
    {
        const SIZE size = ViewSize();
        POINT p = {x < 0 ? size.cx + x : x, y < 0 ? size.cy + y : y};
        ClientToScreen(View(), &p);
        SetCursorPos(p.x, p.y);
        // A move event of its own, so hover follows even when the cursor
        // was already there.
        Mouse(MOUSEEVENTF_MOVE);
    }
    // The pointer off the window, so nothing shows its hover state.
    void MoveAway() const
    {
        RECT r = {};
        GetWindowRect(window_, &r);
        SetCursorPos(r.left > 20 ? r.left - 10 : r.right + 10, r.top > 20 ? r.top - 10 : r.bottom + 10);
        Mouse(MOUSEEVENTF_MOVE);
    }
    void Click(int x, int y) const
    {
        // Two clicks in quick succession would make a double click.
        const DWORD since = GetTickCount() - lastClick_;
        if (since <= GetDoubleClickTime())
            Sleep(GetDoubleClickTime() - since + 50);
        MoveTo(x, y);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
        lastClick_ = GetTickCount();
    }
    void Wheel(int x, int y, int notches) const
    {
        MoveTo(x, y);
        Mouse(MOUSEEVENTF_WHEEL, notches * WHEEL_DELTA);
    }
    void Key(WORD virtualKey) const
    {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = virtualKey;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof in[0]);
        Sleep(150);
    }
    // A shell drop of these files at view point (x, y): the record is made
    // inside the program's process, as the shell makes it.
    bool Drop(const std::vector<std::wstring>& files, int x, int y) const
    {
        std::wstring names;
        for (const std::wstring& f : files)
            names += f + L'\0';
        DROPFILES header = {};
        header.pFiles = sizeof header;
        header.pt = POINT{x, y};
        MapWindowPoints(View(), window_, &header.pt, 1);
        header.fWide = TRUE;
        std::string record(reinterpret_cast<const char*>(&header), sizeof header);
        record.append(reinterpret_cast<const char*>(names.c_str()), (names.size() + 1) * sizeof(wchar_t));
        // A fixed memory block is its own handle; DragFinish's release of
        // it fails quietly, which the program never looks at.
        void* remote = VirtualAllocEx(process_, nullptr, record.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        SIZE_T written = 0;
        return remote && WriteProcessMemory(process_, remote, record.data(), record.size(), &written) &&
               PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    }

    // Waits for the process to end; its exit code, or -1 after the bound.
    int WaitForExit(DWORD boundMs = kBoundMs)
    {
        DWORD code = static_cast<DWORD>(-1);
        if (process_ && WaitForSingleObject(process_, boundMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_, &code);
        return static_cast<int>(code);
    }
    bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    HANDLE Process() const { return process_; }

    // The window as it is on screen, saved as PNG in the shots folder
    // (TARVO_E2E_SHOTS, else "<work>\..\shots"), for review.
    bool Screenshot(const std::wstring& name) const
    {
        const std::wstring chosen = platform::EnvironmentValue(L"TARVO_E2E_SHOTS");
        const std::wstring shots = chosen.empty() ? e2e_ + L"shots\\" : chosen + L"\\";
        CreateDirectoryW(shots.c_str(), nullptr);
        // What the diagnostics said is set may not be painted yet: wait
        // until the program's thread is back in its loop, then have it
        // paint now.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
        RECT r = {};
        GetWindowRect(window_, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        SelectObject(memory, old);
        GdiplusSession session;
        const bool saved = w > 0 && h > 0 && session.Ok() && SaveBitmapAsPng(bitmap, shots + name + L".png");
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return saved;
    }

private:
    static constexpr DWORD kPollMs = 50, kBoundMs = 30000;

    // The complete lines of a file another process may still be writing.
    static std::vector<std::string> CompleteLines(const std::wstring& file)
    {
        std::string bytes;
        platform::ReadFileBytes(file, &bytes, 64u << 20);
        const size_t end = bytes.find_last_of('\n');
        bytes.erase(end == std::string::npos ? 0 : end + 1);
        return testing_support::SplitLines(bytes);
    }
    static void Mouse(DWORD flags, int data = 0)
    {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        in.mi.mouseData = static_cast<DWORD>(data);
        SendInput(1, &in, sizeof in);
        Sleep(flags == MOUSEEVENTF_LEFTDOWN ? 50 : 150);
    }
    // Starts the program in the work folder; the caller owns the process.
    bool Launch(const std::wstring& arguments, PROCESS_INFORMATION* pi) const
    {
        std::wstring commandLine = L"\"" + ExePath() + L"\" " + arguments;
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        if (!CreateProcessW(ExePath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, work_.c_str(),
                            &si, pi))
            return false;
        CloseHandle(pi->hThread);
        return true;
    }

    std::wstring e2e_, work_, exeFolder_, diagnostics_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    mutable DWORD lastClick_ = 0;
};
