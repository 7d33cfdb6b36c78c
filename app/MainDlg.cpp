#include "app/MainDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include <objidl.h>
#include <gdiplus.h>

#include "app/AppItem.h"
#include "app/CopyDataText.h"
#include "app/CrashDump.h"
#include "app/MainProduct.h"
#include "app/PackageText.h"
#include "app/Settings.h"
#include "app/StartupTrace.h"
#include "app/SingleInstance.h"
#include "app/StripQuotes.h"
#include "app/UiTrace.h"
#include "app/BkWndOwnPaintCtrl.h"
#include "device/InstallReporter.h"
#include "inspect/PackageIconReader.h"
#include "platform/Text.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/list/BkListCtrlSBar.h"
#include "toolkit/scroll/RSAnimElement.h"

namespace {

HFONT MakeUiFont(HWND reference)
{
    HDC dc = GetDC(reference);
    int height = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(reference, dc);
    LOGFONTW lf = {};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, L"微软雅黑", LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

}  // namespace

CMainDlg::CMainDlg(const std::wstring& startPath)
    : CBkDialogImpl(103), startPath_(startPath), configPath_(SettingsFilePath()), freshView_(startPath.empty())
{
    SetMainAnimTrigger(this);
}

CMainDlg::~CMainDlg()
{
    if (packageList_)
        packageList_->SetObserver(nullptr);
    if (auto* icon = dynamic_cast<BkWndOwnPaintCtrl*>(FindItem(20014)))
        icon->SetPainter(nullptr);
    waitIcon_.Stop();
}

INT_PTR CMainDlg::Run()
{
    DoModal(nullptr);
    return 0;
}

std::vector<std::wstring> CMainDlg::PendingPaths() const
{
    std::lock_guard<std::mutex> hold(pendingLock_);
    return pendingPaths_;
}

// --- messages ---------------------------------------------------------------

BOOL CMainDlg::OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    switch (message) {
    case WM_NOTIFY: {
        auto* notify = reinterpret_cast<const ElementNotify*>(lparam);
        if (wparam == kViewControlId && notify && notify->hdr.code == NotifyClick && OnClick(notify->itemId)) {
            *result = 0;
            return TRUE;
        }
        return FALSE;
    }
    case WM_INITDIALOG:
        OnInitDialog();
        *result = TRUE;
        return TRUE;
    case WM_DESTROY:
        UnmarkInstanceWindow(GetHwnd());
        return FALSE;
    case WM_TIMER:
        if (wparam == kAnimationTimer || wparam == kCountdownTimer || wparam == kFirstLoadTimer) {
            OnTimer(wparam);
            *result = 0;
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOMMAND:
        if ((wparam & 0xFFF0) == SC_CLOSE) {
            CloseMainWindow();
            *result = 0;
            return TRUE;
        }
        return FALSE;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wparam));
        *result = 0;
        return TRUE;
    case WM_INSTALL_DONE:
        OnInstallDone();
        *result = 1;
        return TRUE;
    case WM_INSTALL_START:
        OnInstallStart();
        *result = 1;
        return TRUE;
    case WM_INSTALL_PROGRESS:
        OnInstallProgress(reinterpret_cast<InstallProgress*>(lparam));
        *result = 1;
        return TRUE;
    case kOfferPhonesMessage:
        // A phone chosen takes the install that found several at once.
        if (!installRunning_ && phoneChoice_.Offer())
            StartInstall();
        *result = 0;
        return TRUE;
    case WM_COPYDATA:
        *result = OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lparam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wparam) == CBN_SELCHANGE && LOWORD(wparam) == 20024) {
            SaveSettings();
            *result = 0;
            return TRUE;
        }
        return FALSE;
    case WM_MOUSEWHEEL:
        OnMouseWheelHook(GET_WHEEL_DELTA_WPARAM(wparam));
        return FALSE;
    default:
        return FALSE;
    }
}

bool CMainDlg::OnClick(UINT id)
{
    switch (id) {
    case 60001: CloseMainWindow(); return true;
    case 20001: ShowPermissions(); return true;
    case 20002: HidePermissions(); return true;
    case 20011:
        if (permissionsHidden_)
            ShowPermissions();
        else
            HidePermissions();
        return true;
    case 20004: OpenMainProduct(); return true;
    case 20003: StartInstall(); return true;
    case ReplaceOffer::kElement:
        if (replaceOffer_.Confirm())
            StartInstall();
        return true;
    case 20026: CollapseSidePanel(); return true;
    case 22006: DeleteSelectedRow(); return true;
    case 22001:
    case 22002:
    case 22003:
    case 22004: ShowSelectedRow(); return true;
    default: return false;
    }
}

void CMainDlg::OnInitDialog()
{
    HWND view = View().Hwnd();
    DragAcceptFiles(GetHwnd(), TRUE);

    // The program's icon in the task bar and in Alt+Tab (shared: never freed).
    HINSTANCE module = GetModuleHandleW(nullptr);
    for (WPARAM which : {WPARAM{ICON_BIG}, WPARAM{ICON_SMALL}}) {
        const int side = GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
        if (HANDLE icon = LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, side, side, LR_SHARED))
            SendMessageW(GetHwnd(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }

    editFont_.Reset(MakeUiFont(view));
    permissionBox_.Create(view, 20008,
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                          WS_EX_NOPARENTNOTIFY);
    permissionBox_.SetBackColour(editBackColour_);
    permissionBox_.SetTextColour(editTextColour_);
    SendMessageW(permissionBox_.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(editFont_.Get()), TRUE);

    comboFont_.Reset(MakeUiFont(view));
    locationCombo_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_TABSTOP |
                                     CBS_DROPDOWNLIST, 0, 0, 80, 100, view,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(20024)),
                                     GetModuleHandleW(nullptr), nullptr);
    SendMessageW(locationCombo_, WM_SETFONT, reinterpret_cast<WPARAM>(comboFont_.Get()), TRUE);
    SendMessageW(locationCombo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"手机内存"));
    SendMessageW(locationCombo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"SD卡"));

    LoadSettings();

    SetItemVisible(20007, false);
    SetItemVisible(PhoneChoice::kElement, false);
    SetItemVisible(ReplaceOffer::kElement, false);
    for (int id : {20030, 20031, 20000, 20008, 20022, 20002})
        SetItemVisible(id, false);
    SetItemVisible(20001, true);
    HideStatusLine();
    EnableInstallButton(false);

    iconPainter_ = std::make_unique<DyncLoadPng>();
    iconPainter_->LoadFromSkin("DefaultIco", false);
    if (auto* icon = dynamic_cast<BkWndOwnPaintCtrl*>(FindItem(20014)))
        icon->SetPainter(iconPainter_.get());

    packageList_ = dynamic_cast<CBkListCtrlSBar*>(FindItem(20025));
    itemObserver_ = std::make_unique<showAppItemObserver>(&icons_);
    if (packageList_) {
        packageList_->SetObserver(itemObserver_.get());
        packageList_->SetReserved(0);
        packageList_->SetWheelStep(80);
    }

    SetTimer(GetHwnd(), kFirstLoadTimer, 2, nullptr);
    MarkStartup(L"window");
    // The host centres the window once it has its size; here it has none.
    MarkInstanceWindow(GetHwnd());
}

void CMainDlg::OnTimer(UINT_PTR id)
{
    if (id == kAnimationTimer)
        AnimationTick();
    else if (id == kCountdownTimer)
        CountdownTick();
    else if (id == kFirstLoadTimer)
        FirstLoad();
}

void CMainDlg::FirstLoad()
{
    KillTimer(GetHwnd(), kFirstLoadTimer);
    MarkStartup(L"painted");
    PrepareCrashDump();
    if (!startPath_.empty()) {
        EnableInstallButton(true);
        std::lock_guard<std::mutex> hold(pendingLock_);
        pendingPaths_.push_back(startPath_);
    }
    LoadPackage(startPath_);
    MarkStartup(L"loaded");
}

void CMainDlg::AnimationTick()
{
    KillTimer(GetHwnd(), kCountdownTimer);
    const bool more = StepAll();
    if (listMode_) {
        SetItemText(20020, ListProgressLine(currentFileName_));
        SetItemText(20007, L"");
    }
    // The trigger keeps quiet when its last animation ends: stop the timer
    // here, so an idle window runs none (the next animation starts it).
    if (!more)
        RunningChanged(false);
}

void CMainDlg::RunningChanged(bool running)
{
    if (running) {
        KillTimer(GetHwnd(), kCountdownTimer);
        SetTimer(GetHwnd(), kAnimationTimer, 30, nullptr);
        animating_ = true;
    } else {
        if (GetHwnd())
            KillTimer(GetHwnd(), kAnimationTimer);
        animating_ = false;
    }
}

void CMainDlg::OnMouseWheelHook(int delta)
{
    SetFocus(GetHwnd());
    HWND box = permissionBox_.Hwnd();
    if (!box)
        return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    RECT boxRect = {};
    GetWindowRect(box, &boxRect);
    if (!PtInRect(&boxRect, cursor))
        return;
    int first = static_cast<int>(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
    if (delta > 0 && first <= 0)
        return;
    int line = delta > 0 ? first - 1 : first + 1;
    PostMessageW(box, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, line), 0);
}

// --- packages ---------------------------------------------------------------

void CMainDlg::LoadPackage(const std::wstring& path)
{
    auto item = std::make_unique<AppItem>();
    auto record = std::make_unique<ListRowRecord>();

    currentPackage_ = PackageInfo(path);
    PackageIconReader reader(currentPackage_);
    const bool haveIcon = reader.ReadIcon();

    SetItemText(20009, currentPackage_.GetSize());
    SetItemText(20015, currentPackage_.GetLabel());
    if (!currentPackage_.GetLabel().empty()) {
        item->label = currentPackage_.GetLabel();
    } else {
        std::wstring name = LabelFromPath(path);
        SetItemText(20015, name);
        iconPainter_->LoadFromSkin("DefaultIco", true);
        RedrawElement(20014);
        item->label = name;
    }
    SetItemText(20017, currentPackage_.GetVersionName());
    SetItemText(20018, currentPackage_.GetSdkVersion());

    permissionList_ = currentPackage_.GetPermissions();
    std::vector<std::wstring> titles;
    for (const PermissionInfo& p : permissionList_)
        titles.push_back(p.title);
    std::wstring permissionText = PermissionText(titles);
    if (permissionBox_.Hwnd())
        SetWindowTextW(permissionBox_.Hwnd(), permissionText.c_str());

    item->sizeText = currentPackage_.GetSize();
    item->versionName = currentPackage_.GetVersionName();
    item->sdkVersion = currentPackage_.GetSdkVersion();
    item->permissionText = permissionText;
    if (!path.empty())
        item->fileName = FileNameOf(path);
    if (listMode_)
        SetItemAttribute(20015, "tip", currentPackage_.GetLabel());

    // A package no phone can take says so before anyone presses install.
    const std::wstring& refusal = currentPackage_.GetRefusal();
    reason_.Set(refusal);
    if (!refusal.empty()) {
        item->showError = true;
        item->showStatus = false;
        item->statusText = kCannotInstall;
        item->statusTip = refusal;
    }
    if (haveIcon)
        item->iconBytes.assign(reader.GetIconData(), reader.GetIconData() + reader.GetIconSize());
    SharedImage icon = icons_.Get(*item);
    if (icon) {
        iconPainter_->SetImage(std::move(icon));
    } else {
        item->iconBytes.clear();  // unreadable: the default icon from now on
        iconPainter_->LoadFromSkin("DefaultIco", true);
    }
    RedrawElement(20014);

    bool queued = false;
    {
        std::lock_guard<std::mutex> hold(pendingLock_);
        queued = !pendingPaths_.empty();
    }
    if (queued && packageList_) {
        record->element = std::move(item);
        record->height = 35;
        packageList_->AppendItem(std::move(record));
        packageList_->HoverLastItem();
        packageList_->ScrollToEnd();
        RowsChanged();
    } else {
        // No row owns the item; it lives while the details show it.
        shownItem_ = std::move(item);
    }
}

void CMainDlg::AddPackage(const std::wstring& path)
{
    PrepareCrashDump();  // a hand-over may come before the first load
    {
        std::lock_guard<std::mutex> hold(pendingLock_);
        for (const std::wstring& p : pendingPaths_) {
            if (SamePathIgnoringCase(p, path))
                return;
        }
    }
    bool runningFound = false;
    if (!currentFileName_.empty() && packageList_) {
        for (int row = 0; row < packageList_->GetItemCount(); ++row) {
            AppItem* item = ItemAt(row);
            if (item && item->fileName == currentFileName_) {
                item->statusText = L"正在安装";
                RedrawRows();
                nextIndex_ = row;
                runningFound = true;
                break;
            }
        }
    }
    countdown_.NotePackageAdded();
    {
        std::lock_guard<std::mutex> hold(pendingLock_);
        pendingPaths_.push_back(path);
    }
    if (!freshView_) {
        SwitchToListLayout();
        if (runningFound) {
            ShowWaitingState();
            waitIcon_.SetUp(this, 20019, 8);
            waitIcon_.StartOrStop(true);
            currentFileName_ = FileNameOf(currentFileName_);
            SetItemAttribute(20020, "tip", InstallingTip(currentFileName_));
        }
    }
    freshView_ = false;
    EnableInstallButton(!PendingPaths().empty());
    LoadPackage(path);
    if (!runningFound)
        HideStatusLine();
}

void CMainDlg::OnDropFiles(HDROP drop)
{
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t name[MAX_PATH] = {};
        if (DragQueryFileW(drop, i, name, MAX_PATH) == 0)
            continue;
        if (IsPackagePath(name))
            AddPackage(name);
    }
    DragFinish(drop);
}

BOOL CMainDlg::OnCopyData(const COPYDATASTRUCT* record)
{
    std::wstring text;
    if (!record || !DecodeCopyDataText(record->lpData, record->cbData, &text))
        return FALSE;
    std::wstring path = StripQuotes(text);
    if (path.empty())
        return FALSE;
    AddPackage(path);
    return TRUE;
}

// --- permission panel, closing ------------------------------------------------

void CMainDlg::ResizeClientBy(int dx, int dy)
{
    RECT window = {};
    RECT client = {};
    GetWindowRect(GetHwnd(), &window);
    GetClientRect(GetHwnd(), &client);
    MoveWindow(GetHwnd(), window.left, window.top, client.right + dx, client.bottom + dy, TRUE);
}

void CMainDlg::ShowPermissions()
{
    SetItemVisible(20001, false);
    SetItemVisible(20002, true);
    permissionsHidden_ = false;
    ResizeClientBy(0, kPermissionBand);
    SetItemVisible(20008, true);
    SetItemVisible(20022, true);
    SetItemAttribute(20011, "sub", std::string("1"));
    InvalidateRect(GetHwnd(), nullptr, TRUE);
}

void CMainDlg::HidePermissions()
{
    SetItemVisible(20001, true);
    SetItemVisible(20002, false);
    permissionsHidden_ = true;
    ResizeClientBy(0, -kPermissionBand);
    SetItemVisible(20008, false);
    SetItemVisible(20022, false);
    SetItemAttribute(20011, "sub", std::string("0"));
    InvalidateRect(GetHwnd(), nullptr, TRUE);
}

void CMainDlg::CloseMainWindow()
{
    if (animating_)
        KillTimer(GetHwnd(), kAnimationTimer);
    if (installRunning_)
        installer_.RequestStop();
    EndDialog(2);
    PostQuitMessage(0);
    CloseInstanceMarker();
}

// --- settings, main product -------------------------------------------------

void CMainDlg::LoadSettings()
{
    ::LoadSettings(configPath_, locationCombo_, &installLocation_);
}

void CMainDlg::SaveSettings()
{
    ::SaveSettings(configPath_, locationCombo_, &installLocation_);
}

void CMainDlg::OpenMainProduct()
{
    if (!::OpenMainProduct(mainProductExe_)) {
        SetItemVisible(20006, true);
        SetItemText(20006, kMainProductMissing);
    }
}

// --- element helpers --------------------------------------------------------

void CMainDlg::EnableInstallButton(bool enable)
{
    EnableItem(20003, enable);
    SetItemAttribute(20010, "crtext", enable ? enabledTextColour_ : disabledTextColour_);
}

void CMainDlg::ShowWaitingState()
{
    reason_.SetWaiting(true);
    SetItemVisible(20006, false);
    SetItemVisible(20019, true);
    SetItemVisible(20020, true);
}

void CMainDlg::ShowIdleState()
{
    reason_.SetWaiting(false);
    SetItemVisible(20006, true);
    SetItemVisible(20019, false);
    SetItemVisible(20020, false);
}

void CMainDlg::HideStatusLine()
{
    SetItemVisible(20006, false);
    SetItemVisible(20019, false);
    SetItemVisible(20020, false);
}

void CMainDlg::RedrawElement(int id)
{
    if (CBkWindow* e = FindItem(id))
        View().InvalidateElement(e, false);
}

bool CMainDlg::SetItemText(int32_t id, const std::wstring& text)
{
    // Only changes: the progress line is set again on every animation tick.
    CBkWindow* element = FindItem(id);
    if (!element || element->Text() != text)
        TraceText(id, text);
    return CBkDialogImpl::SetItemText(id, text);
}

bool CMainDlg::SetItemVisible(int32_t id, bool show)
{
    TraceShown(id, show);
    return CBkDialogImpl::SetItemVisible(id, show);
}

void CMainDlg::ShowWaitElement(int id, bool show)
{
    SetItemVisible(id, show);
}

void CMainDlg::SetWaitElementAttribute(int id, const char* name, const std::string& value)
{
    SetItemAttribute(id, name, value);
    RedrawElement(id);
}

CMainDlg& GetMainWindow(const std::wstring& startPath)
{
    static CMainDlg window(startPath);
    return window;
}
