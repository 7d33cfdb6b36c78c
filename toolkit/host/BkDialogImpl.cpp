#include "toolkit/host/BkDialogImpl.h"

#include "toolkit/host/ElementNotify.h"
#include "toolkit/host/HostRules.h"

namespace {
const wchar_t kDialogClass[] = L"BkDialogWindow";
const wchar_t kDialogShadowClass[] = L"BkDialogWindowShadow";
const UINT kDropShadow = 0x20000;  // CS_DROPSHADOW

// The drop shadow exists from Windows XP (5.1) on.
bool HasDropShadow()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info))
        return false;
#pragma GCC diagnostic pop
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion >= 1);
}

const wchar_t* RegisterDialogClass(WNDPROC proc)
{
    bool shadow = HasDropShadow();
    const wchar_t* name = shadow ? kDialogShadowClass : kDialogClass;
    WNDCLASSEXW wc = {};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc))
        return name;
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | (shadow ? kDropShadow : 0);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) ? name : nullptr;
}

// Visual styles off for the frame, when the theme library is there.
void SwitchThemeOff(HWND hwnd)
{
    HMODULE theme = LoadLibraryW(L"uxtheme.dll");
    if (!theme)
        return;
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto setTheme = reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(GetProcAddress(theme, "SetWindowTheme")));
    if (setTheme)
        setTheme(hwnd, L"", L"");
    FreeLibrary(theme);
}

HostRect FromRect(const RECT& r)
{
    return HostRect{r.left, r.top, r.right, r.bottom};
}
}  // namespace

CBkDialogImpl::CBkDialogImpl(unsigned layoutId) : layoutId_(layoutId) {}

CBkDialogImpl::~CBkDialogImpl()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

BOOL CBkDialogImpl::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

HWND CBkDialogImpl::Create(HWND owner, const RECT* rect)
{
    if (hwnd_)
        return hwnd_;
    if (!view_.Loaded() && !view_.LoadLayer(layoutId_))
        return nullptr;
    const wchar_t* cls = RegisterDialogClass(&CBkDialogImpl::WindowProc);
    if (!cls)
        return nullptr;
    RECT place = rect ? *rect : RECT{0, 0, 0, 0};
    HWND hwnd = CreateWindowExW(view_.ExStyle(), cls, view_.Title().c_str(), view_.Style(), place.left, place.top,
        place.right - place.left, place.bottom - place.top, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd)
        return nullptr;
    SwitchThemeOff(hwnd);
    RECT viewRect = {0, 0, place.right - place.left, place.bottom - place.top};
    if (!view_.Create(hwnd, viewRect)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    created_ = true;
    SendMessageW(hwnd, WM_INITDIALOG, 0, 0);
    view_.ApplyRealWindowVisibility();

    if (view_.LayerWidth() != 0 && view_.LayerHeight() != 0) {
        RECT window = {}, client = {};
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        int w = view_.LayerWidth() + (window.right - window.left) - client.right;
        int h = view_.LayerHeight() + (window.bottom - window.top) - client.bottom;
        SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return hwnd;
}

INT_PTR CBkDialogImpl::DoModal(HWND owner, const RECT* rect)
{
    if (!owner)
        owner = GetActiveWindow();
    bool disabledOwner = false;
    if (owner && owner != GetDesktopWindow() && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner = true;
    }
    modalResult_ = 0;
    exitLoop_ = false;
    HWND hwnd = Create(owner, rect);
    if (!hwnd) {
        if (disabledOwner)
            EnableWindow(owner, TRUE);
        return 0;
    }
    if (!rect) {
        RECT window = {};
        GetWindowRect(hwnd, &window);
        RECT area = {};
        if (owner && owner != GetDesktopWindow() && IsWindowVisible(owner)) {
            GetWindowRect(owner, &area);
        } else {
            MONITORINFO info = {};
        info.cbSize = sizeof(info);
            GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
            area = info.rcWork;
        }
        int w = window.right - window.left, h = window.bottom - window.top;
        int x = area.left + (area.right - area.left - w) / 2;
        int y = area.top + (area.bottom - area.top - h) / 2;
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
            const RECT& work = info.rcWork;
            x = x + w > work.right ? work.right - w : x;
            y = y + h > work.bottom ? work.bottom - h : y;
            x = x < work.left ? work.left : x;
            y = y < work.top ? work.top : y;
        }
        SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    } else {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    RunModalLoop();

    bool wasActive = hwnd_ && GetActiveWindow() == hwnd_;
    if (hwnd_)
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
            SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (disabledOwner) {
        EnableWindow(owner, TRUE);
        if (wasActive)
            SetActiveWindow(owner);
    }
    if (hwnd_)
        DestroyWindow(hwnd_);
    return modalResult_;
}

void CBkDialogImpl::RunModalLoop()
{
    MSG msg;
    while (!exitLoop_ && hwnd_ && IsWindow(hwnd_)) {
        if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            break;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void CBkDialogImpl::EndDialog(INT_PTR result)
{
    modalResult_ = result;
    exitLoop_ = true;
    // Wakes a loop waiting in GetMessage.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

LRESULT CBkDialogImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    if (OnWindowMessage(message, wparam, lparam, &result))
        return result;
    switch (message) {
    case WM_NCCALCSIZE:
        // Without wparam the rectangle is the window's and stays whole.
        if (!wparam)
            return 0;
        {
            // The whole window is client area: no caption, no border.
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam);
            const WINDOWPOS* pos = params->lppos;
            if (pos && (pos->flags & SWP_NOSIZE))
                return 0;
            RECT& client = params->rgrc[0];
            if (pos && !(pos->flags & SWP_NOMOVE)) {
                client.left = pos->x;
                client.top = pos->y;
                client.right = pos->x + pos->cx;
                client.bottom = pos->y + pos->cy;
            }
            return 0;
        }
    case WM_NCACTIVATE:
        return TRUE;
    case WM_NCPAINT:
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) {
            MaximizedGeometry g = ComputeMaximized(FromRect(monitor.rcMonitor), FromRect(monitor.rcWork));
            info->ptMaxPosition = POINT{g.x, g.y};
            info->ptMaxSize = POINT{g.width, g.height};
            info->ptMaxTrackSize = POINT{g.width, g.height};
        }
        return 0;
    }
    case WM_SIZE:
        if (wparam != SIZE_MINIMIZED && view_.Hwnd()) {
            RECT client = {};
            GetClientRect(hwnd_, &client);
            MoveWindow(view_.Hwnd(), 0, 0, client.right, client.bottom, TRUE);
        }
        break;
    case WM_CLOSE:
        SendMessageW(hwnd_, WM_COMMAND, IDCANCEL, 0);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        if (message == WM_KEYDOWN) {
            if (int command = KeyCommand(static_cast<uint32_t>(wparam), GetKeyState(VK_CONTROL) < 0,
                    IsWindowEnabled(hwnd_) != FALSE))
                SendMessageW(hwnd_, WM_COMMAND, command, 0);
        }
        if (view_.Hwnd())
            SendMessageW(view_.Hwnd(), message, wparam, lparam);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
            SendElementNotify(hwnd_, ElementEvent(view_.Hwnd(), kViewControlId, NotifyClick, LOWORD(wparam), ""));
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK CBkDialogImpl::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CBkDialogImpl*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CBkDialogImpl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        LRESULT result = self->HandleMessage(message, wparam, lparam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->created_ = false;
        return result;
    }
    return self->HandleMessage(message, wparam, lparam);
}
