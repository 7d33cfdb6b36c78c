// The real KorvelTarvo.exe in its own process, driven as a user drives it:
// started with a command line, clicked with the real mouse, fed by drops
// and second starts; what it shows is read back from its diagnostics file.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// What the window has shown so far: the last text and visibility per
// element id, the number of list rows and each row as last drawn.
struct ShownState {
    std::map<int, std::wstring> texts;
    std::map<int, bool> shown;
    int rows = 0;
    std::map<int, std::wstring> rowTexts;
    std::vector<std::wstring> textHistory;  // "id text", in order

    std::wstring Text(int id) const;
    std::wstring RowText(int row) const;  // "label|status|error flag"
    bool Shown(int id) const;  // false when never said
    bool EverShowed(int id, const std::wstring& text) const;
};

class ProgramUnderTest {
public:
    // Works in the folder "<e2e folder>\work\<name>\" (made afresh).
    explicit ProgramUnderTest(const std::wstring& name);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    const std::wstring& WorkFolder() const { return work_; }
    std::wstring ExePath() const;
    // The fake bridge's script for this run (lines as the tool reads them).
    void SetBridgeScript(const std::string& script);
    std::vector<std::string> BridgeCalls() const;
    std::wstring BridgeReleaseFile() const { return work_ + L"bridge.log.release"; }
    // From now on the program runs from "<work>\app\" with the real bridge
    // tool beside it, and the scripted adb beside that, which answers
    // `adbSays` to every call.
    void UseRealBridge(const std::string& adbSays);
    // The scripted adb's calls, one line each.
    std::vector<std::string> AdbCalls() const;
    // A copy of a corpus package under a new name inside the work folder.
    std::wstring CopyPackage(const std::wstring& corpusName, const std::wstring& newRelativePath) const;

    // Starts the program with this exact command-line tail (quotes as
    // given). False when the process cannot be made.
    bool Start(const std::wstring& arguments, DWORD errorModeForChild = 0);
    // Ends the program at once and forgets what it showed, for a new start.
    void End();
    // Starts another instance with the same environment and waits for it;
    // its exit code, or -1 when it did not end within the bound.
    int RunSecondInstance(const std::wstring& arguments);

    // The main window once it is up (its property set, visible); nullptr
    // when it does not come within the bound.
    HWND WaitForWindow();
    HWND Window() const { return window_; }
    HWND View() const;
    // The text of the program's tooltip while one is on screen, else empty.
    std::wstring ShownTooltip() const;
    SIZE ViewSize() const;

    ShownState Shown() const;
    // Polls until the predicate holds; false after the bound (a hang guard,
    // long enough for a slow machine).
    bool WaitFor(const std::function<bool(const ShownState&)>& done, DWORD boundMs = 30000) const;

    // Real mouse input at view coordinates (negative counts from the
    // right/bottom edge, as the layouts do).
    void MoveTo(int x, int y) const;
    // The pointer off the window, so nothing shows its hover state.
    void MoveAway() const;
    void Click(int x, int y) const;
    void Wheel(int x, int y, int notches) const;
    void Key(WORD virtualKey) const;

    // A shell drop of these files at view point (x, y): the record is made
    // inside the program's process, as the shell makes it.
    bool Drop(const std::vector<std::wstring>& files, int x, int y) const;

    // Waits for the process to end; its exit code, or -1 after the bound.
    int WaitForExit(DWORD boundMs = 30000);
    bool Running() const;
    HANDLE Process() const { return process_; }

    // The window as it is on screen, saved as PNG in the shots folder
    // (TARVO_E2E_SHOTS, else "<work>\..\shots").
    bool Screenshot(const std::wstring& name) const;

private:
    POINT ScreenPoint(int x, int y) const;
    // Starts the program in the work folder with this command-line tail;
    // the thread handle is closed, the process handle is the caller's.
    bool Launch(const std::wstring& arguments, PROCESS_INFORMATION* pi) const;

    std::wstring e2e_;
    std::wstring work_;
    std::wstring exeFolder_;
    std::wstring diagnostics_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    mutable DWORD lastClick_ = 0;
};

// The user's documents folder's settings file of the program.
std::wstring SettingsFile();
