#include "toolkit/host/BkDialogViewImpl.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "toolkit/ElementRegistry.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/host/HostRules.h"

namespace {
bool Usable(const CBkWindow* element)
{
    return element && (element->TakesAllMouseInput() || !element->IsDisabled(true));
}

CBkWindow* Lookup(ElementHandle handle)
{
    return handle ? ElementRegistry::Instance().Find(handle) : nullptr;
}
}  // namespace

LRESULT CBkDialogViewImpl::Deliver(CBkWindow* element, UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    element->ProcessMessage(hwnd_, message, wparam, lparam, &result);
    return result;
}

void CBkDialogViewImpl::NotifyElement(uint32_t code, CBkWindow* element)
{
    ElementNotify notify = ElementEvent(nullptr, 0, code, static_cast<uint32_t>(element->Id()), element->GetClassName());
    SendNotify(&notify.hdr);
}

void CBkDialogViewImpl::OnMouseMove(WPARAM wparam, LPARAM lparam)
{
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        NMHDR enter = {};
        enter.code = NotifyMouseEnter;
        SendNotify(&enter);
    }
    CBkWindow* hit = HitElement(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
    CBkWindow* hover = Lookup(hover_);
    if (hit && hit->TakesAllMouseInput()) {
        hit->SetTooltipLink(tooltip_);
        Deliver(hit, WM_MOUSEMOVE, wparam, lparam);
        if (hover && hover != hit && Usable(hover))
            ChangeState(hover, 0, StateHover);
        hover_ = hit->Handle();
        return;
    }
    if (Usable(hit))
        Deliver(hit, WM_MOUSEMOVE, wparam, lparam);
    ElementHandle hitHandle = hit ? hit->Handle() : 0;
    if (hitHandle == hover_)
        return;
    // Looked up by handle: an element hidden meanwhile still loses its hover.
    if (Usable(hover)) {
        ChangeState(hover, 0, StateHover);
        Deliver(hover, WM_MOUSELEAVE, 0, 0);
    }
    if (Usable(hit))
        ChangeState(hit, StateHover, 0);
    hover_ = hitHandle;
    SetTipText(hit ? hit->Tip() : std::wstring());
}

void CBkDialogViewImpl::OnMouseLeave()
{
    trackingLeave_ = false;
    if (CBkWindow* hover = Lookup(hover_)) {
        ChangeState(hover, 0, StateHover);
        Deliver(hover, WM_MOUSELEAVE, 0, 0);
    }
    if (CBkWindow* pressed = Lookup(pressed_))
        ChangeState(pressed, 0, StatePushDown);
    hover_ = pressed_ = 0;
    NMHDR leave = {};
    leave.code = NotifyMouseLeave;
    SendNotify(&leave);
}

void CBkDialogViewImpl::OnLButtonDown(WPARAM wparam, LPARAM lparam)
{
    int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
    CBkWindow* hit = HitElement(x, y);
    if (InDragBand(y) && !(hit && (TagKeepsPress(hit->GetClassName()) || hit->TakesAllMouseInput()))) {
        HWND parent = GetParent(hwnd_);
        if (!IsIconic(parent) && !IsZoomed(parent))
            SendMessageW(parent, WM_SYSCOMMAND, kScMove, 0);
        return;
    }
    if (!hit || captured_)
        return;
    if (hit->TakesAllMouseInput()) {
        SetCapture(hwnd_);
        captured_ = true;
        Deliver(hit, WM_LBUTTONDOWN, wparam, lparam);
        pressed_ = hover_ = hit->Handle();
        return;
    }
    if (Usable(hit)) {
        SetCapture(hwnd_);
        captured_ = true;
        hover_ = pressed_ = hit->Handle();
        ChangeState(hit, StatePushDown, 0);
        Deliver(hit, WM_LBUTTONDOWN, wparam, lparam);
    }
}

void CBkDialogViewImpl::OnLButtonUp(WPARAM wparam, LPARAM lparam)
{
    if (captured_) {
        captured_ = false;
        ReleaseCapture();
    }
    CBkWindow* pressed = Lookup(pressed_);
    pressed_ = 0;
    if (!pressed)
        return;
    ChangeState(pressed, 0, StatePushDown);
    if (pressed->Handle() != hover_ && !pressed->TakesAllMouseInput())
        return;
    ElementHandle handle = pressed->Handle();
    Deliver(pressed, WM_LBUTTONUP, wparam, lparam);
    // The element may have gone while handling its release.
    pressed = Lookup(handle);
    if (!pressed)
        return;
    if (!pressed->Href().empty()) {
        ShellExecuteW(hwnd_, L"open", pressed->Href().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    if (pressed->Id() != 0)
        NotifyElement(NotifyClick, pressed);
}

void CBkDialogViewImpl::OnLButtonDblClk(WPARAM wparam, LPARAM lparam)
{
    int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
    if (CBkDialog* header = Header()) {
        if (CBkWindow* hit = Lookup(header->HitTest(x, y, 0))) {
            if (!TagKeepsDoubleClick(hit->GetClassName())) {
                HWND parent = GetParent(hwnd_);
                if (uint32_t command = DoubleClickCommand(resizable_, IsZoomed(parent) != FALSE))
                    SendMessageW(parent, WM_SYSCOMMAND, command, 0);
                return;
            }
        }
    }
    CBkDialog* body = Body();
    CBkWindow* hit = body ? Lookup(body->HitTest(x, y, 0)) : nullptr;
    if (!Usable(hit))
        return;
    ElementHandle handle = hit->Handle();
    Deliver(hit, WM_LBUTTONDBLCLK, wparam, lparam);
    hit = Lookup(handle);
    if (hit && hit->Id() != 0)
        NotifyElement(NotifyDoubleClick, hit);
}

LRESULT CBkDialogViewImpl::OnMouseWheel(WPARAM wparam, LPARAM lparam)
{
    CBkWindow* hover = Lookup(hover_);
    if (!Usable(hover))
        return 0;
    POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(hwnd_, &point);
    Deliver(hover, WM_MOUSEWHEEL, wparam, MAKELPARAM(point.x, point.y));
    return 1;
}

void CBkDialogViewImpl::OnSetCursor(WPARAM wparam, LPARAM lparam)
{
    CBkWindow* hover = Lookup(hover_);
    if (hover && hover->TakesAllMouseInput()) {
        Deliver(hover, WM_SETCURSOR, wparam, lparam);
    } else if (Usable(hover)) {
        hover->OnSetCursor();
        Deliver(hover, WM_SETCURSOR, wparam, lparam);
    } else {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

void CBkDialogViewImpl::OnTouch(WPARAM wparam, LPARAM lparam)
{
    if (!touch_)
        return;
    TouchPoint point = touch_->ReadFirstPoint(wparam, lparam);
    if (!point.valid)
        return;
    if (point.down || point.move) {
        POINT client = {point.x, point.y};
        ScreenToClient(hwnd_, &client);
        if (CBkWindow* hit = HitElement(client.x, client.y))
            Deliver(hit, WM_TOUCH, wparam, lparam);
    } else if (point.up) {
        WPARAM keys = 0;
        if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
        if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
        if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
        if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
        POINT client = {point.x, point.y};
        ScreenToClient(hwnd_, &client);
        OnLButtonUp(keys, MAKELPARAM(client.x, client.y));
    }
}

bool CBkDialogViewImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        CreateTooltip();
        if (tooltip_) {
            MSG relay = {hwnd_, message, wparam, lparam, 0, {0, 0}};
            SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
        }
    }
    *result = 0;
    switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(wparam, lparam); return true;
    case WM_MOUSELEAVE: OnMouseLeave(); return true;
    case WM_LBUTTONDOWN: OnLButtonDown(wparam, lparam); return true;
    case WM_LBUTTONUP: OnLButtonUp(wparam, lparam); return true;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wparam, lparam); return true;
    case WM_MOUSEWHEEL: *result = OnMouseWheel(wparam, lparam); return true;
    case WM_SETCURSOR: OnSetCursor(wparam, lparam); *result = TRUE; return true;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        CBkWindow* hover = Lookup(hover_);
        if (Usable(hover))
            *result = Deliver(hover, message, wparam, lparam);
        return true;
    }
    case WM_TIMER: {
        if (CBkWindow* owner = Lookup(ElementRegistry::Instance().TimerOwner(wparam)))
            Deliver(owner, WM_TIMER, wparam, lparam);
        return true;
    }
    case WM_TOUCH:
        OnTouch(wparam, lparam);
        return true;
    case WM_CAPTURECHANGED:
        captured_ = false;
        return false;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // A child that chooses its own colours answers with its brush; the
        // others get the system's.
        if (lparam)
            *result = SendMessageW(reinterpret_cast<HWND>(lparam), kReflectBase + message, wparam, lparam);
        return *result != 0;
    default:
        return CBkViewImpl::HandleMessage(message, wparam, lparam, result);
    }
}
