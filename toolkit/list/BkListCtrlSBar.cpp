#include "toolkit/list/BkListCtrlSBar.h"

#include <cstdio>

#include "toolkit/ValueFormat.h"

CBkListCtrlSBar::CBkListCtrlSBar()
{
    bar_.SetParentHandle(handle_);
    bar_.SetOwner(this);
    // The host routes WM_TIMER to the list, which hands the bar's timers on.
    bar_.SetTimerTarget(handle_);
    bar_.SetReserved(reserved_);
}

CBkListCtrlSBar::~CBkListCtrlSBar()
{
    bar_.SetOwner(nullptr);
}

int32_t CBkListCtrlSBar::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    int32_t result = CBkListCtrl::SetAttribute(name, value, loading);
    if (result != kAttrNotRecognised)
        return result;
    if (name == "vertSBar") {
        barClass_ = value;
        bar_.SetSkinClass(value);
        return kAttrApplied;
    }
    if (name == "ThumOffset") {
        thumOffset_ = ParseDecimal(value);
        return kAttrApplied;
    }
    if (name == "reserved") {
        reserved_ = ParseDecimal(value);
        return kAttrApplied;
    }
    if (name == "alwaysshowscrollbar") {
        alwaysShow_ = ParseDecimal(value);
        return kAttrApplied;
    }
    return kAttrNotRecognised;
}

void CBkListCtrlSBar::SetContainer(HWND host)
{
    CBkListCtrl::SetContainer(host);
    bar_.SetContainer(host);
}

bool CBkListCtrlSBar::IsScrollAtRowBoundary()
{
    return GetScrollPos() % RowPitch(Metrics()) == 0;
}

void CBkListCtrlSBar::SetItemCount(int32_t count)
{
    CBkListCtrl::SetItemCount(count);
    Relayout();
}

void CBkListCtrlSBar::SetScrollPos(int32_t pos)
{
    bar_.SetPos(pos);
    scrollOffset_ = bar_.GetPos();
}

void CBkListCtrlSBar::ScrollToEnd()
{
    SetScrollPos(bar_.GetScrollMax());
}

void CBkListCtrlSBar::Relayout()
{
    Layout();
    Redraw();
}

void CBkListCtrlSBar::Layout()
{
    bar_.SetOrientation(sbarType_ != 0);
    if (sbarType_ == 0)
        LayoutVertical();
    else
        LayoutHorizontal();
}

void CBkListCtrlSBar::LayoutVertical()
{
    RECT bar = hasCustomRect_ ? customRect_
                              : RECT{rect_.right - kBarThickness, rect_.top, rect_.right, rect_.bottom};
    LayoutRange(bar);
}

void CBkListCtrlSBar::LayoutHorizontal()
{
    RECT bar = hasCustomRect_ ? customRect_
                              : RECT{rect_.left, rect_.bottom - kBarThickness, rect_.right, rect_.bottom};
    LayoutRange(bar);
}

void CBkListCtrlSBar::LayoutRange(const RECT& barRect)
{
    int32_t contentBottom = WrapAdd(WrapAdd(totalHeight_, rect_.top), topMargin_);
    int32_t contentHeight = WrapSub(contentBottom, rect_.top);
    int32_t controlHeight = ControlHeight();
    if (template_) {
        char pos[48];
        std::snprintf(pos, sizeof pos, "0,0,%d,%d", static_cast<int>(rect_.right - rect_.left),
                      static_cast<int>(controlHeight));
        template_->SetAttribute("pos", pos, false);
    }
    bar_.SetBarRect(barRect.left, barRect.top, barRect.right, barRect.bottom);

    int32_t overflow = WrapAdd(WrapSub(contentHeight, controlHeight), bar_.GetReserved());
    if (overflow < 0)
        overflow = 0;
    int32_t pos = bar_.GetPos();
    // The first layout starts at the top; later ones keep the position
    // unless the content shrank below it.
    if (!laidOut_)
        pos = 0;
    else if (pos > overflow)
        pos = overflow;
    laidOut_ = true;

    // The bar adds its reserved range itself.
    bar_.SetScrollRange(WrapSub(contentHeight, controlHeight));
    bar_.SetPos(pos);
    scrollOffset_ = bar_.GetPos();
    bar_.SetVisible(alwaysShow_ != 0 || overflow >= 1);
}

void CBkListCtrlSBar::SetScrollBarRect(const RECT& rect)
{
    customRect_ = rect;
    hasCustomRect_ = true;
}

void CBkListCtrlSBar::SetReserved(int32_t reserved)
{
    bar_.SetReserved(reserved);
}

int32_t CBkListCtrlSBar::GetScrollMax()
{
    return bar_.GetScrollMax();
}

void CBkListCtrlSBar::SetScrollRange(int32_t range)
{
    bar_.SetScrollRange(range);
    scrollOffset_ = bar_.GetPos();
}

void CBkListCtrlSBar::SetWheelStep(int32_t step)
{
    bar_.SetWheelStep(step);
}

void CBkListCtrlSBar::HoverLastItem()
{
    int32_t last = rowCount_ - 1;
    SetHoverIndex(last);
    if (!bar_.IsDragging())
        SetSelectedIndex(last);
    Redraw();
}

void CBkListCtrlSBar::OnWindowPosChanged(const WINDOWPOS* pos)
{
    CBkListCtrl::OnWindowPosChanged(pos);
    // A reserved value set through SetReserved lasts until the next move.
    SetReserved(reserved_);
    Layout();
}

bool CBkListCtrlSBar::ScrollBarButtonDown(POINT pt)
{
    if (bar_.GetScrollMax() < 1 || !bar_.IsVisible(false))
        return false;
    return bar_.OnLButtonDown(pt);
}

bool CBkListCtrlSBar::ScrollBarDragging()
{
    return bar_.IsDragging();
}

void CBkListCtrlSBar::OnLButtonUp(WPARAM keys, POINT pt)
{
    bar_.OnLButtonUp();
    CBkListCtrl::OnLButtonUp(keys, pt);
}

void CBkListCtrlSBar::OnMouseMove(WPARAM keys, POINT pt)
{
    bar_.OnMouseMove(pt);
    CBkListCtrl::OnMouseMove(keys, pt);
}

void CBkListCtrlSBar::OnMouseLeave()
{
    bar_.OnMouseLeave();
    CBkListCtrl::OnMouseLeave();
}

LRESULT CBkListCtrlSBar::OnMouseWheel(WPARAM, int delta, POINT)
{
    bar_.OnMouseWheel(delta);
    return 1;
}

void CBkListCtrlSBar::OnTimer(UINT_PTR id)
{
    if (id == kHoverTimer)
        CBkListCtrl::OnTimer(id);
    else
        bar_.OnTimer(id, CursorPosition());
}

void CBkListCtrlSBar::PaintScrollBar(HDC dc)
{
    if (bar_.IsVisible(false))
        bar_.Paint(dc);
}

void CBkListCtrlSBar::OnScrollbarPos(CBkScrollbar*, int32_t pos)
{
    scrollOffset_ = pos;
    Redraw();
}

void CBkListCtrlSBar::OnScrollbarRedraw(CBkScrollbar* bar)
{
    RedrawRect(bar->BarRect());
}
