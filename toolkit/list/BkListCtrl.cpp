#include "toolkit/list/BkListCtrl.h"

#include <vector>

#include <commctrl.h>
#include <shellapi.h>
#include <tinyxml.h>

#include "platform/ScopedWin.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/XmlResource.h"
#include "toolkit/host/ElementNotify.h"

namespace {
// The template sits at the top until a row borrows it.
const char kTemplateRestPos[] = "0,0,-0,200";

POINT PointFromLParam(LPARAM lparam)
{
    return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

LPARAM LParamFromPoint(POINT pt)
{
    return MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y));
}

CBkWindow* ElementOf(ElementHandle handle)
{
    return handle ? ElementRegistry::Instance().Find(handle) : nullptr;
}

}  // namespace

CBkListCtrl::CBkListCtrl()
{
    // Rows are not elements: the host must hand the list every mouse
    // message, disabled or not, so it can route them to the template.
    SetTakesAllMouseInput(true);
}

CBkListCtrl::~CBkListCtrl()
{
    if (host_ && IsWindow(host_) && ElementRegistry::Instance().TimerOwner(kHoverTimer) == handle_) {
        KillTimer(host_, kHoverTimer);
        ElementRegistry::Instance().RemoveTimer(kHoverTimer);
    }
}

bool CBkListCtrl::Load(const TiXmlElement* xml)
{
    if (!CBkDialog::Load(xml))
        return false;
    const char* src = xml->Attribute("src");
    if (!src || !*src)
        return false;
    std::vector<char> text;
    if (src_ > 0 && LoadXmlResource(static_cast<unsigned>(src_), &text))
        LoadTemplate(text.data());
    return true;
}

int32_t CBkListCtrl::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t result = CBkDialog::SetAttribute(name, value, loading);
    if (result != kAttrNotRecognised)
        return result;
    if (name == "src") {
        src_ = ParseDecimal(value);
        return kAttrRepaint;
    }
    if (name == "floatsrc") {
        floatSrc_ = ParseDecimal(value);
        return kAttrRepaint;
    }
    if (name == "cnormal" || name == "chover" || name == "cselect") {
        (name == "cnormal" ? classNormal_ : name == "chover" ? classHover_ : classSelect_) = value;
        return kAttrApplied;
    }
    if (name == "SBarType") {
        sbarType_ = ParseDecimal(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

bool CBkListCtrl::LoadTemplate(const char* text)
{
    template_.reset();
    TiXmlDocument doc;
    if (!text || !ParseXmlText(text, &doc) || !doc.RootElement())
        return false;
    const TiXmlElement* root = doc.RootElement();
    const char* heightText = root->Attribute("height");
    const char* widthText = root->Attribute("width");
    int32_t height = heightText ? ParseDecimal(heightText) : 0;
    int32_t width = widthText ? ParseDecimal(widthText) : 0;
    // The row geometry divides by the height.
    if (height <= 0)
        return false;
    SetItemHeight(height);
    SetItemWidth(width);
    auto item = std::make_unique<ISUFListCtrlItem>();
    item->SetParentHandle(handle_);
    item->SetContainer(host_);
    item->Load(root);
    item->SetAttribute("pos", kTemplateRestPos, true);
    template_ = std::move(item);
    return true;
}

void CBkListCtrl::SetContainer(HWND host)
{
    CBkDialog::SetContainer(host);
    if (template_)
        template_->SetContainer(host);
}

ElementHandle CBkListCtrl::HitTest(int x, int y, UINT)
{
    return ToElementRect(rect_).Contains(x, y) ? handle_ : 0;
}

bool CBkListCtrl::RedrawRegion(HDC dc, HRGN region)
{
    if (region && !RectInRegion(region, &rect_))
        return false;
    PaintBackground(dc);
    ScopedSaveDC saved(dc);
    SelectStyleFont(dc);
    IntersectClipRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
    paintRegion_ = region;
    painting_ = true;
    OnPaint(dc);
    painting_ = false;
    paintRegion_ = nullptr;
    return true;
}

void CBkListCtrl::OnPaint(HDC dc)
{
    int32_t first = 0, inside = 0;
    SplitOffset(GetScrollPos(), &first, &inside);
    int32_t y = WrapSub(topMargin_, inside);
    int32_t visible = GetVisibleCount();
    for (int32_t row = first, drawn = 0; drawn < visible && row < rowCount_; ++row, ++drawn)
        DrawItem(dc, paintRegion_, row, &y);
    PaintScrollBar(dc);
}

uint32_t CBkListCtrl::RowStateOf(int32_t row) const
{
    bool selected = selection_.Contains(row);
    bool hover = row == hoverRow_;
    if (selected)
        return hover ? ListRowSelectedHover : ListRowSelected;
    return hover ? ListRowHover : ListRowNormal;
}

void CBkListCtrl::DrawItem(HDC dc, HRGN region, int32_t row, int32_t* y)
{
    int32_t height = GetItemHeightAt(row);
    if (template_) {
        template_->SetAttribute("pos", GetRowPos(row, *y), false);
        uint32_t state = RowStateOf(row);
        const std::string& cls = (state & ListRowSelected) ? classSelect_
                                 : state == ListRowHover   ? classHover_
                                                           : classNormal_;
        template_->SetAttribute("class", cls, false);
        FillRow(row, state, row == hoverRow_ ? hoverChild_ : 0);
        template_->RedrawRegion(dc, region);
    }
    *y = WrapAdd(*y, WrapAdd(height, rowSpace_));
}

void CBkListCtrl::FillRow(int32_t row, uint32_t state, int32_t param)
{
    notify_.row = row;
    notify_.state = state;
    notify_.param = param;
    if (observer_)
        observer_->OnListEvent(this, ListEventFillRow, 0, template_.get());
    else
        OnItemNotify(ListEventFillRow);
}

int32_t CBkListCtrl::OnItemNotify(int32_t)
{
    return 1;
}

int32_t CBkListCtrl::IndexFromOffset(int32_t offset)
{
    return ::IndexFromOffset(Metrics(), offset);
}

int32_t CBkListCtrl::OffsetInRow(int32_t offset)
{
    return ::OffsetInRow(Metrics(), offset);
}

void CBkListCtrl::SplitOffset(int32_t offset, int32_t* first, int32_t* inside)
{
    *first = IndexFromOffset(offset);
    *inside = OffsetInRow(offset);
}

int32_t CBkListCtrl::GetVisibleCount()
{
    return ::GetVisibleCount(Metrics(), ControlHeight());
}

std::string CBkListCtrl::GetRowPos(int32_t row, int32_t y)
{
    return FormatRowPos(rowLeft_, y, rowWidth_, WrapAdd(y, GetItemHeightAt(row)));
}

bool CBkListCtrl::PrepareRow(int32_t row)
{
    if (!template_)
        return false;
    bool found = false;
    ForEachVisibleRow(Metrics(), GetScrollPos(), ControlHeight(),
                      [this](int32_t i) { return GetItemHeightAt(i); },
                      [&](const VisibleRow& r) {
                          if (r.index != row)
                              return true;
                          template_->SetAttribute("pos", GetRowPos(row, r.top), false);
                          found = true;
                          return false;
                      });
    return found;
}

int32_t CBkListCtrl::HitTest(POINT pt)
{
    VisibleRow hit;
    int32_t row = HitRow(Metrics(), GetScrollPos(), ControlHeight(),
                         [this](int32_t i) { return GetItemHeightAt(i); }, WrapSub(pt.y, rect_.top), &hit);
    if (row < 0)
        return -1;
    if (template_)
        template_->SetAttribute("pos", GetRowPos(row, hit.top), false);
    hitRow_ = row;
    return row;
}

RECT CBkListCtrl::GetRowRect(int32_t row)
{
    RECT rect = {};
    ForEachVisibleRow(Metrics(), GetScrollPos(), ControlHeight(),
                      [this](int32_t i) { return GetItemHeightAt(i); },
                      [&](const VisibleRow& r) {
                          if (r.index != row)
                              return true;
                          rect = RECT{0, r.top, rowWidth_, WrapAdd(r.top, r.height)};
                          return false;
                      });
    return rect;
}

LRESULT CBkListCtrl::NotifyHost(LPARAM value)
{
    if (!host_ || !IsWindow(host_))
        return 0;
    return SendMessageW(host_, kHostListMessage, 0, value);
}

void CBkListCtrl::RedrawRect(const RECT& rect)
{
    // Row filling during a paint changes the template's children; what it
    // changes is being drawn already, and asking again would paint forever.
    if (painting_ || !host_ || !IsWindow(host_) || IsRectEmpty(&rect))
        return;
    SendElementNotify(host_, RectEvent(host_, static_cast<UINT_PTR>(GetDlgCtrlID(host_)), NotifyInvalidate, 0, rect));
}

void CBkListCtrl::Redraw()
{
    RedrawRect(rect_);
}

void CBkListCtrl::RedrawRowAt(int32_t row)
{
    RECT r = GetRowRect(row);
    if (IsRectEmpty(&r))
        return;
    // Row rectangles are relative to the control; the host wants its own
    // coordinates.
    OffsetRect(&r, rect_.left, rect_.top);
    RedrawRect(r);
}

CBkWindow* CBkListCtrl::TemplateChildAt(POINT pt)
{
    if (!template_)
        return nullptr;
    return ElementOf(template_->HitTest(pt.x, pt.y, 0));
}

void CBkListCtrl::OnWindowPosChanged(const WINDOWPOS* pos)
{
    CBkDialog::OnWindowPosChanged(pos);
    if (template_)
        template_->SetContainer(host_);
}

void CBkListCtrl::OnMouseMove(WPARAM keys, POINT)
{
    mouseKeys_ = keys;
    if (host_ && IsWindow(host_)) {
        ElementRegistry::Instance().SetTimerOwner(kHoverTimer, handle_);
        SetTimer(host_, kHoverTimer, 1, nullptr);
    }
}

void CBkListCtrl::OnTimer(UINT_PTR id)
{
    if (id != kHoverTimer)
        return;
    if (host_ && IsWindow(host_))
        KillTimer(host_, kHoverTimer);
    UpdateHover();
}

POINT CBkListCtrl::CursorPosition()
{
    POINT pt = {};
    GetCursorPos(&pt);
    if (host_)
        ScreenToClient(host_, &pt);
    return pt;
}

bool CBkListCtrl::KeyHeld(int vk, int rightVk)
{
    return (GetKeyState(vk) & 0x8000) != 0 || (GetKeyState(rightVk) & 0x8000) != 0;
}

void CBkListCtrl::UpdateHover()
{
    if (rowCount_ <= 0)
        return;
    POINT pt = CursorPosition();
    int32_t row = HitTest(pt);
    if (row == hoverRow_) {
        RedrawRowAt(row);
    } else {
        if (hoverRow_ != -1) {
            int32_t old = hoverRow_;
            hoverRow_ = -1;
            RedrawRowAt(old);
            if (CBkWindow* child = ElementOf(hoverChildHandle_)) {
                SendElement(child, host_, WM_MOUSELEAVE, 0, 0);
                child->ModifyState(0, StateHover);
            }
            hoverChildHandle_ = 0;
            hoverChild_ = 0;
            PrepareRow(old);
            FillRow(old, ListRowHover, 0);
        }
        hoverRow_ = row;
        RedrawRowAt(row);
    }
    if (hoverRow_ < 0 || !PrepareRow(hoverRow_))
        return;
    FillRow(hoverRow_, ListRowHover, hoverChild_);
    CBkWindow* child = TemplateChildAt(pt);
    if (child && child != template_.get())
        SendElement(child, host_, WM_MOUSEMOVE, mouseKeys_, LParamFromPoint(pt));
    ElementHandle now = child ? child->Handle() : 0;
    if (now == hoverChildHandle_)
        return;
    if (CBkWindow* old = ElementOf(hoverChildHandle_)) {
        SendElement(old, host_, WM_MOUSELEAVE, 0, 0);
        old->ModifyState(0, StateHover);
    }
    hoverChildHandle_ = now;
    hoverChild_ = child ? child->Id() : 0;
    if (child) {
        child->ModifyState(StateHover, 0);
        if (host_ && IsWindow(host_)) {
            TipRequest tip = {child->Tip().c_str(), child->Rect()};
            SendMessageW(host_, kShowTipMessage, 0, reinterpret_cast<LPARAM>(&tip));
        }
    }
    RedrawRowAt(hoverRow_);
}

void CBkListCtrl::OnMouseLeave()
{
    if (CBkWindow* child = ElementOf(hoverChildHandle_)) {
        SendElement(child, host_, WM_MOUSELEAVE, 0, 0);
        child->ModifyState(0, StateHover);
    }
    hoverChildHandle_ = 0;
    hoverChild_ = 0;
    if (hoverRow_ != -1) {
        int32_t old = hoverRow_;
        hoverRow_ = -1;
        RedrawRowAt(old);
    }
}

bool CBkListCtrl::ScrollBarButtonDown(POINT)
{
    return false;
}

bool CBkListCtrl::ScrollBarDragging()
{
    return false;
}

void CBkListCtrl::PaintScrollBar(HDC) {}

void CBkListCtrl::OnLButtonDown(WPARAM keys, POINT pt)
{
    if (host_ && IsWindow(host_))
        SetFocus(host_);
    if (ScrollBarButtonDown(pt)) {
        Redraw();
        return;
    }
    bool dragging = ScrollBarDragging();
    int32_t row = HitTest(pt);
    hoverRow_ = row;
    pressedRow_ = row;
    if (!dragging) {
        bool ctrl = KeyHeld(VK_CONTROL, VK_RCONTROL);
        bool shift = KeyHeld(VK_SHIFT, VK_RSHIFT);
        selection_.Click(row, ctrl, shift, IsMultiSelect());
        Redraw();
    }
    if (row < 0 || !PrepareRow(row))
        return;
    FillRow(row, ListRowSelectedHover, 0);
    CBkWindow* child = TemplateChildAt(pt);
    if (!child || child->IsDisabled(true))
        return;
    pressedChildHandle_ = child->Handle();
    pressedChild_ = child->Id();
    child->ModifyState(StatePushDown, 0);
    if (child != template_.get())
        SendElement(child, host_, WM_LBUTTONDOWN, keys, LParamFromPoint(pt));
}

void CBkListCtrl::OnLButtonUp(WPARAM keys, POINT pt)
{
    CBkWindow* pressed = ElementOf(pressedChildHandle_);
    if (!pressed)
        return;
    int32_t row = HitTest(pt);
    if (row >= 0 && row == pressedRow_ && PrepareRow(row)) {
        FillRow(row, ListRowSelectedHover, 0);
        if (TemplateChildAt(pt) == pressed) {
            SendElement(pressed, host_, WM_LBUTTONUP, keys, LParamFromPoint(pt));
            if (!pressed->Href().empty()) {
                ShellExecuteW(host_, L"open", pressed->Href().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            } else if (pressed->Id() != 0 && host_ && IsWindow(host_)) {
                pressed->ModifyState(0, StatePushDown);
                SendElementNotify(host_, ElementEvent(host_, static_cast<UINT_PTR>(GetDlgCtrlID(host_)), NotifyClick,
                                                      static_cast<uint32_t>(pressed->Id()), pressed->GetClassName()));
            }
        }
    }
    // The notification may have changed the rows; the pressed child is
    // found again by handle.
    if (CBkWindow* child = ElementOf(pressedChildHandle_))
        child->ModifyState(0, StatePushDown);
    pressedChildHandle_ = 0;
    pressedChild_ = 0;
    Redraw();
}

void CBkListCtrl::OnLButtonDblClk(WPARAM, POINT pt)
{
    // Below the last row too: the observer learns of it with row -1.
    int32_t row = HitTest(pt);
    hoverRow_ = row;
    notify_.row = row;
    notify_.state = RowStateOf(row);
    notify_.param = 0;
    if (observer_)
        observer_->OnListEvent(this, ListEventDoubleClick, 0, template_.get());
    else
        OnItemNotify(ListEventDoubleClick);
}

LRESULT CBkListCtrl::OnMouseWheel(WPARAM, int, POINT)
{
    return 0;
}

void CBkListCtrl::OnKeyDown(WPARAM key)
{
    if (key == VK_CONTROL)
        ctrlDown_ = true;
    else if (key == VK_SHIFT)
        shiftDown_ = true;
}

void CBkListCtrl::OnKeyUp(WPARAM)
{
    ctrlDown_ = false;
    shiftDown_ = false;
}

BOOL CBkListCtrl::OnSetCursor()
{
    CBkWindow* child = ElementOf(hoverChildHandle_);
    int32_t cursor = kCursorArrow;
    if (child && !child->IsDisabled(true) && child->Style().cursor != kCursorArrow)
        cursor = child->Style().cursor;
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(cursor)));
    return TRUE;
}

BOOL CBkListCtrl::ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    LRESULT answer = 0;
    switch (message) {
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wparam, PointFromLParam(lparam)); break;
    case WM_LBUTTONDOWN: OnLButtonDown(wparam, PointFromLParam(lparam)); break;
    case WM_LBUTTONUP: OnLButtonUp(wparam, PointFromLParam(lparam)); break;
    case WM_MOUSEMOVE: OnMouseMove(wparam, PointFromLParam(lparam)); break;
    case WM_MOUSELEAVE: OnMouseLeave(); break;
    case WM_MOUSEWHEEL:
        answer = OnMouseWheel(LOWORD(wparam), static_cast<short>(HIWORD(wparam)), PointFromLParam(lparam));
        break;
    case WM_KEYDOWN: OnKeyDown(wparam); break;
    case WM_KEYUP: OnKeyUp(wparam); break;
    case WM_SETCURSOR: answer = OnSetCursor(); break;
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(wparam)); break;
    default: return CBkDialog::ProcessMessage(host, message, wparam, lparam, result);
    }
    handled_ = true;
    if (result)
        *result = answer;
    return TRUE;
}
