#include "toolkit/BkPanel.h"

#include <tinyxml.h>

#include "platform/ScopedWin.h"
#include "toolkit/ElementFactory.h"

bool CBkPanel::Load(const TiXmlElement* xml)
{
    if (!CBkWindow::Load(xml))
        return false;
    LRESULT ignored = 0;
    ProcessMessage(host_, WM_DESTROY, 0, 0, &ignored);
    for (const TiXmlElement* c = xml->FirstChildElement(); c; c = c->NextSiblingElement()) {
        std::unique_ptr<CBkWindow> child = CreateElement(c->Value());
        if (!child)
            continue;
        child->SetParentHandle(handle_);
        child->SetContainer(host_);
        child->Load(c);
        AppendChild(std::move(child));
    }
    return true;
}

void CBkPanel::SetContainer(HWND host)
{
    CBkWindow::SetContainer(host);
    for (const auto& child : children_)
        child->SetContainer(host);
}

ElementHandle CBkPanel::HitTest(int x, int y, UINT flags)
{
    if (!ToElementRect(rect_).Contains(x, y))
        return 0;
    if (!childHitTestOff_) {
        // Floating children lie over the others, so they answer first.
        for (int pass = 0; pass < 2; ++pass) {
            bool floating = pass == 0;
            for (const auto& child : children_) {
                if (child->IsFloating() != floating || !child->IsVisible(false) || child->Transparent())
                    continue;
                if (ElementHandle hit = child->HitTest(x, y, flags))
                    return hit;
            }
        }
    }
    return handle_;
}

bool CBkPanel::RedrawRegion(HDC dc, HRGN region)
{
    if (!CBkWindow::RedrawRegion(dc, region))
        return false;
    ScopedSaveDC saved(dc);
    SelectStyleFont(dc);
    if (ColourIsSet(style_.crbg))
        SetBkColor(dc, style_.crbg);
    IntersectClipRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
    for (const auto& child : children_) {
        if (child->IsVisible(false))
            child->RedrawRegion(dc, region);
    }
    return true;
}

BOOL CBkPanel::ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    if (message == WM_MOUSEMOVE) {
        int x = static_cast<short>(LOWORD(lparam));
        int y = static_cast<short>(HIWORD(lparam));
        for (const auto& child : children_) {
            if (child->IsVisible(false) && ToElementRect(child->Rect()).Contains(x, y)) {
                LRESULT ignored = 0;
                child->ProcessMessage(host, message, wparam, lparam, &ignored);
            }
        }
        handled_ = true;
        if (result)
            *result = 0;
        return TRUE;
    }
    return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
}

void CBkPanel::OnDestroy()
{
    DestroyChildren();
}

void CBkPanel::OnWindowPosChanged(const WINDOWPOS* pos)
{
    CBkWindow::OnWindowPosChanged(pos);
    RepositionChildren();
}

void CBkPanel::OnShowWindow(BOOL show)
{
    CBkWindow::OnShowWindow(show);
    bool visible = IsVisible(true);
    for (const auto& child : children_)
        child->OnParentShowChanged(show && visible && child->IsVisible(false));
}

void CBkPanel::OnParentShowChanged(bool shown)
{
    for (const auto& child : children_)
        child->OnParentShowChanged(shown && child->IsVisible(false));
}
