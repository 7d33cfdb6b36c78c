// The one window of the program: shows a package (or a list of them),
// takes packages from the command line, drops and second starts, and runs
// their installs on a worker thread.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/ShowAppItemObserver.h"
#include "app/CWHEdit.h"
#include "app/Countdown.h"
#include "app/DyncLoadPng.h"
#include "app/PhoneChoice.h"
#include "app/ReasonLine.h"
#include "app/ReplaceOffer.h"
#include "app/WaitImageDriver.h"
#include "app/WaitRotateIco.h"
#include "device/InstallEngine.h"
#include "device/WindowReporter.h"
#include "inspect/PackageInfo.h"
#include "platform/ScopedWin.h"
#include "toolkit/host/BkDialogImpl.h"
#include "toolkit/scroll/AnimTrigger.h"

class AppItem;
class CBkListCtrlSBar;
struct InstallProgress;
struct RowOutcome;

// Timer ids of the window.
constexpr UINT_PTR kAnimationTimer = 1;   // 30 ms
constexpr UINT_PTR kCountdownTimer = 2;   // 1000 ms
constexpr UINT_PTR kFirstLoadTimer = 3;   // 2 ms, once

// Posted after a batch that found several phones: offer them.
constexpr UINT kOfferPhonesMessage = WM_APP + 33;

// Height the window grows by for the permission box (and for the list).
constexpr int kPermissionBand = 90;

class CMainDlg : public CBkDialogImpl, public AnimTrigger, private WaitImageDriver {
public:
    explicit CMainDlg(const std::wstring& startPath);
    ~CMainDlg() override;

    // Shows the window without an owner and runs its loop until it ends.
    INT_PTR Run();

    void LoadPackage(const std::wstring& path);
    void AddPackage(const std::wstring& path);
    void ShowPermissions();
    void HidePermissions();
    void CloseMainWindow();

    // Install flow.
    void StartInstall();
    void OnInstallStart();
    void OnInstallProgress(InstallProgress* progress);
    void OnInstallDone();
    void FinishSingleInstall();
    void CountdownTick();

    // Package list.
    void SwitchToListLayout();
    void ShowSelectedRow();
    void CollapseSidePanel();
    void DeleteSelectedRow();
    void UpdateRow(InstallProgress* progress, const RowOutcome& row);

    // Settings and the main product.
    void LoadSettings();
    void SaveSettings();
    void OpenMainProduct();

    // Facts for tests and the list observer.
    std::vector<std::wstring> PendingPaths() const;
    bool ListMode() const { return listMode_; }
    bool SidePanelOpen() const { return sidePanelOpen_; }
    bool PermissionsHidden() const { return permissionsHidden_; }
    bool InstallRunning() const { return installRunning_; }
    bool FreshView() const { return freshView_; }
    int RunBase() const { return runBase_; }
    int NextIndex() const { return nextIndex_; }
    const std::wstring& InstallLocation() const { return installLocation_; }
    const std::wstring& CurrentFileName() const { return currentFileName_; }
    const std::wstring& ConfigPath() const { return configPath_; }
    HWND PermissionBox() const { return permissionBox_.Hwnd(); }
    HWND LocationCombo() const { return locationCombo_; }
    CBkListCtrlSBar* PackageList() const { return packageList_; }
    InstallEngine& Installer() { return installer_; }
    DyncLoadPng& IconPainter() { return *iconPainter_; }
    Countdown& CountdownState() { return countdown_; }

    // The settings file to use instead of the documents folder's (tests).
    void SetConfigPath(const std::wstring& path) { configPath_ = path; }

    void RunningChanged(bool running) override;

protected:
    BOOL OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    // Wheel over the permission box scrolls it a line a notch.
    virtual void OnMouseWheelHook(int delta);

private:
    // WaitImageDriver
    void ShowWaitElement(int id, bool show) override;
    void SetWaitElementAttribute(int id, const char* name, const std::string& value) override;
    AnimTrigger* WaitTrigger() override { return this; }

    void OnInitDialog();
    void OnTimer(UINT_PTR id);
    void AnimationTick();
    void FirstLoad();
    bool OnClick(UINT id);
    void OnDropFiles(HDROP drop);
    BOOL OnCopyData(const COPYDATASTRUCT* record);

    void EnableInstallButton(bool enable);
    void ShowWaitingState();
    void ShowIdleState();
    void HideStatusLine();
    void ResizeClientBy(int dx, int dy);
    void RedrawElement(int id);
    // Rows are drawn through one template: a row's change repaints the list.
    void RedrawRows();
    // Lays the list out again after rows came or went.
    void RowsChanged();
    AppItem* ItemAt(int row) const;
    // The host's setters, written to the diagnostic record of what is shown.
    bool SetItemText(int32_t id, const std::wstring& text);
    bool SetItemVisible(int32_t id, bool show);
    void ShowIconOf(AppItem* item);

    MyEditCtrl permissionBox_;
    HWND locationCombo_ = nullptr;
    WaitRotateIco waitIcon_;
    ReasonLine reason_{*this};
    PackageInfo currentPackage_;
    InstallEngine installer_;
    PhoneChoice phoneChoice_{*this, installer_};
    ReplaceOffer replaceOffer_{*this, installer_, reason_};
    IconCache icons_;
    std::unique_ptr<showAppItemObserver> itemObserver_;
    CBkListCtrlSBar* packageList_ = nullptr;
    std::unique_ptr<DyncLoadPng> iconPainter_;
    std::wstring startPath_;
    std::wstring mainProductExe_ = L"Korvel.exe";
    std::wstring disabledTextColour_ = L"bdbfc1";
    std::wstring enabledTextColour_ = L"ffffff";
    std::wstring installLocation_;
    std::vector<PermissionInfo> permissionList_;
    // Window-thread data the worker copies once per batch.
    mutable std::mutex pendingLock_;
    std::vector<std::wstring> pendingPaths_;
    Countdown countdown_;
    int runBase_ = 0;
    int nextIndex_ = 0;
    COLORREF editBackColour_ = RGB(0xFF, 0xFF, 0xFF);
    COLORREF editTextColour_ = RGB(0xAD, 0xAD, 0xAD);
    ScopedGdiObj<HFONT> editFont_;
    ScopedGdiObj<HFONT> comboFont_;
    bool permissionsHidden_ = true;
    bool animating_ = false;
    bool installRunning_ = false;
    bool sidePanelOpen_ = false;
    bool listMode_ = false;
    std::wstring configPath_;
    std::wstring currentFileName_;
    bool freshView_ = true;
    std::unique_ptr<WindowReporter> reporter_;
    // The item on show in the detail view after its row went (or when it
    // never got one), kept so the icon painter's image stays alive.
    std::unique_ptr<CBkObject> shownItem_;
};

// The one window of the process, made on the first call with the start
// path; later calls return it (the path is then not looked at).
CMainDlg& GetMainWindow(const std::wstring& startPath = std::wstring());
