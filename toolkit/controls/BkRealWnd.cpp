#include "toolkit/controls/BkRealWnd.h"

#include "toolkit/host/ElementNotify.h"

HWND CBkRealWnd::ChildWindow() const
{
    return host_ && id_ ? GetDlgItem(host_, id_) : nullptr;
}

bool CBkRealWnd::RedrawRegion(HDC, HRGN region)
{
    return !region || RectInRegion(region, &rect_);
}

void CBkRealWnd::OnWindowPosChanged(const WINDOWPOS* pos)
{
    RECT old = rect_;
    CBkWindow::OnWindowPosChanged(pos);
    if (EqualRect(&old, &rect_))
        return;
    HWND child = ChildWindow();
    if (child)
        SetWindowPos(child, HWND_TOP, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
                     SWP_NOREDRAW | SWP_NOACTIVATE);

    // The view (and its owner) learn of the place even before the
    // application has made the child window.
    SendElementNotify(host_, RectEvent(host_, kViewControlId, NotifyRealWndMoved, static_cast<uint32_t>(id_), rect_));

    if (child && IsWindowVisible(child)) {
        // Moved without redrawing above; now repaint it and its frame in place.
        InvalidateRect(child, nullptr, TRUE);
        SetWindowPos(child, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void CBkRealWnd::OnShowWindow(BOOL show)
{
    CBkWindow::OnShowWindow(show);
    HWND child = ChildWindow();
    if (!child)
        return;
    if (!show)
        ShowWindow(child, SW_HIDE);
    else if (IsVisible(true))
        ShowAndRepaint(child);
}

void CBkRealWnd::OnParentShowChanged(bool shown)
{
    HWND child = ChildWindow();
    if (!child)
        return;
    if (shown)
        ShowAndRepaint(child);
    else
        ShowWindow(child, SW_HIDE);
}

void CBkRealWnd::ShowAndRepaint(HWND child)
{
    ShowWindow(child, SW_SHOWNA);
    // A move while hidden was made without redrawing; without this the
    // child stays unpainted (black under Wine) until something invalidates it.
    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CBkRealWnd::OnDestroy()
{
    if (HWND child = ChildWindow())
        ShowWindow(child, SW_HIDE);
}
