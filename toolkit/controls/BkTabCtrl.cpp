#include "toolkit/controls/BkTabCtrl.h"

#include <cstring>

#include <tinyxml.h>

#include "platform/ScopedWin.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/ValueFormat.h"

namespace {
// Cells of the tab skin for a header.
const int32_t kTabCellNormal = 0;
const int32_t kTabCellHover = 1;
const int32_t kTabCellSelected = 2;
}  // namespace

bool CBkTabCtrl::Load(const TiXmlElement* xml)
{
    if (!CBkWindow::Load(xml))
        return false;
    DestroyChildren();
    for (const TiXmlElement* c = xml->FirstChildElement(); c; c = c->NextSiblingElement()) {
        // Pages are made here, not by CreateElement: "tab" means nothing elsewhere.
        if (std::strcmp(c->Value(), "tab") != 0)
            continue;
        auto page = std::make_unique<CBkTab>();
        page->SetParentHandle(handle_);
        page->SetContainer(host_);
        page->Load(c);
        AppendChild(std::move(page));
    }
    curSel_ = ClampTabSelection(curSel_, static_cast<int32_t>(children_.size()));
    ApplySelectionVisibility(IsVisible(true));
    return true;
}

int32_t CBkTabCtrl::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t common = CBkWindow::SetAttribute(name, value, loading);
    if (common != kAttrNotRecognised)
        return common;
    struct Number {
        const char* name;
        int32_t* field;
    } numbers[] = {
        {"tabwidth", &metrics_.tabWidth}, {"tabheight", &metrics_.tabHeight}, {"tabpos", &metrics_.tabPos},
        {"tabspacing", &metrics_.tabSpacing}, {"framepos", &metrics_.framePos}, {"icon-x", &iconX_},
        {"icon-y", &iconY_}, {"text-x", &textX_}, {"text-y", &textY_},
    };
    for (const Number& n : numbers) {
        if (name == n.name) {
            *n.field = ParseDecimal(value);
            return kAttrApplied;
        }
    }
    struct Name {
        const char* name;
        std::string* field;
    } names[] = {
        {"tabskin", &tabSkin_}, {"frameskin", &frameSkin_}, {"iconskin", &iconSkin_},
        {"iconskinlight", &iconSkinLight_}, {"iconskingray", &iconSkinGray_}, {"splitterskin", &splitterSkin_},
    };
    for (const Name& n : names) {
        if (name == n.name) {
            *n.field = value;
            return kAttrRepaint;
        }
    }
    if (name == "tabalign") {
        if (value != "top" && value != "left")
            return kAttrNotRecognised;
        metrics_.alignLeft = value == "left";
        return kAttrApplied;
    }
    if (name == "cursel") {
        if (loading || children_.empty())
            curSel_ = ParseDecimal(value);
        else
            SelectPage(ParseDecimal(value), false);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

void CBkTabCtrl::SetContainer(HWND host)
{
    CBkWindow::SetContainer(host);
    for (const auto& page : children_)
        page->SetContainer(host);
}

int32_t CBkTabCtrl::SlotOf(size_t index) const
{
    if (index >= children_.size() || Page(index)->HeaderHidden())
        return -1;
    int32_t slot = 0;
    for (size_t i = 0; i < index; ++i)
        slot += Page(i)->HeaderHidden() ? 0 : 1;
    return slot;
}

RECT CBkTabCtrl::HeaderRect(size_t index) const
{
    int32_t slot = SlotOf(index);
    return slot < 0 ? RECT{} : ToRect(TabHeaderRect(ToElementRect(rect_), metrics_, slot));
}

int32_t CBkTabCtrl::PageAtPoint(int x, int y) const
{
    for (size_t i = 0; i < children_.size(); ++i) {
        int32_t slot = SlotOf(i);
        if (slot >= 0 && TabHeaderRect(ToElementRect(rect_), metrics_, slot).Contains(x, y))
            return static_cast<int32_t>(i);
    }
    return -1;
}

void CBkTabCtrl::ApplySelectionVisibility(bool shown)
{
    for (size_t i = 0; i < children_.size(); ++i) {
        bool selected = static_cast<int32_t>(i) == curSel_;
        children_[i]->SetVisible(selected);
        children_[i]->OnParentShowChanged(shown && selected);
    }
}

bool CBkTabCtrl::SelectPage(int32_t index, bool notify)
{
    if (index < 0 || index >= static_cast<int32_t>(children_.size()))
        return false;
    int32_t old = curSel_;
    curSel_ = index;
    ApplySelectionVisibility(IsVisible(true));
    RepositionChild(children_[index].get());
    RedrawThroughView();
    if (notify && old != index && host_) {
        TabChangeNotify change = {};
        change.notify.hdr.hwndFrom = host_;
        change.notify.hdr.idFrom = kViewControlId;
        change.notify.hdr.code = NotifyTabChange;
        change.notify.itemId = static_cast<uint32_t>(id_);
        change.notify.itemClass = GetClassName();
        change.oldSel = old;
        change.newSel = index;
        SendMessageW(host_, WM_NOTIFY, kViewControlId, reinterpret_cast<LPARAM>(&change));
    }
    return true;
}

void CBkTabCtrl::RepositionChild(CBkWindow* child)
{
    if (!child)
        return;
    RECT frame = ToRect(TabFrameRect(ToElementRect(rect_), metrics_));
    PlaceElement(child, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
}

void CBkTabCtrl::OnWindowPosChanged(const WINDOWPOS* pos)
{
    CBkWindow::OnWindowPosChanged(pos);
    RepositionChildren();
}

void CBkTabCtrl::OnShowWindow(BOOL show)
{
    CBkWindow::OnShowWindow(show);
    bool shown = show && IsVisible(true);
    for (size_t i = 0; i < children_.size(); ++i)
        children_[i]->OnParentShowChanged(shown && static_cast<int32_t>(i) == curSel_);
}

void CBkTabCtrl::OnParentShowChanged(bool shown)
{
    for (size_t i = 0; i < children_.size(); ++i)
        children_[i]->OnParentShowChanged(shown && static_cast<int32_t>(i) == curSel_);
}

void CBkTabCtrl::OnDestroy()
{
    DestroyChildren();
}

ElementHandle CBkTabCtrl::HitTest(int x, int y, UINT flags)
{
    if (!ToElementRect(rect_).Contains(x, y))
        return 0;
    if (CBkWindow* page = ChildAt(static_cast<size_t>(curSel_))) {
        if (page->IsVisible(false)) {
            if (ElementHandle hit = page->HitTest(x, y, flags))
                return hit;
        }
    }
    return handle_;
}

void CBkTabCtrl::PaintHeaders(HDC dc)
{
    ElementRect control = ToElementRect(rect_);
    int32_t slots = 0;
    for (size_t i = 0; i < children_.size(); ++i)
        slots += Page(i)->HeaderHidden() ? 0 : 1;
    for (size_t i = 0; i < children_.size(); ++i) {
        int32_t slot = SlotOf(i);
        if (slot < 0)
            continue;
        bool selected = static_cast<int32_t>(i) == curSel_;
        bool hover = static_cast<int32_t>(i) == hoverPage_ && (state_ & StateHover);
        RECT header = ToRect(TabHeaderRect(control, metrics_, slot));
        DrawSkinByName(dc, tabSkin_, header, selected ? kTabCellSelected : (hover ? kTabCellHover : kTabCellNormal));
        if (slot + 1 < slots)
            DrawSkinByName(dc, splitterSkin_, ToRect(TabSplitterRect(control, metrics_, slot)), 0);

        const std::string& icon = IsDisabled(true) && !iconSkinGray_.empty() ? iconSkinGray_
                                  : (selected || hover) && !iconSkinLight_.empty() ? iconSkinLight_
                                                                                     : iconSkin_;
        if (!icon.empty()) {
            RECT at = {header.left + iconX_, header.top + iconY_, header.right, header.bottom};
            // An icon strip holds one cell per page.
            DrawSkinByName(dc, icon, at, static_cast<uint32_t>(i));
        }
        const std::wstring& title = Page(i)->Title();
        if (title.empty())
            continue;
        RECT text = header;
        UINT format = DT_SINGLELINE | DT_NOPREFIX;
        if (textX_ >= 0) text.left += textX_;
        else format |= DT_CENTER;
        if (textY_ >= 0) text.top += textY_;
        else format |= DT_VCENTER;
        DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &text, format);
    }
}

bool CBkTabCtrl::RedrawRegion(HDC dc, HRGN region)
{
    if (!CBkWindow::RedrawRegion(dc, region))
        return false;
    ScopedSaveDC saved(dc);
    SelectStyleFont(dc);
    IntersectClipRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
    DrawSkinByName(dc, frameSkin_, ToRect(TabFrameRect(ToElementRect(rect_), metrics_)), state_);
    PaintHeaders(dc);
    for (const auto& page : children_) {
        if (page->IsVisible(false))
            page->RedrawRegion(dc, region);
    }
    return true;
}

BOOL CBkTabCtrl::ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    int x = static_cast<short>(LOWORD(lparam));
    int y = static_cast<short>(HIWORD(lparam));
    switch (message) {
    case WM_LBUTTONDOWN: {
        int32_t page = PageAtPoint(x, y);
        if (page >= 0)
            SelectPage(page, true);
        break;
    }
    case WM_MOUSEMOVE: {
        int32_t page = PageAtPoint(x, y);
        if (page != hoverPage_) {
            hoverPage_ = page;
            RedrawThroughView();
        }
        if (CBkWindow* sel = ChildAt(static_cast<size_t>(curSel_))) {
            if (sel->IsVisible(false) && ToElementRect(sel->Rect()).Contains(x, y)) {
                LRESULT ignored = 0;
                sel->ProcessMessage(host, message, wparam, lparam, &ignored);
            }
        }
        break;
    }
    case WM_MOUSELEAVE:
        hoverPage_ = -1;
        break;
    default:
        return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
    }
    handled_ = true;
    if (result)
        *result = 0;
    return TRUE;
}
