#include "toolkit/scroll/BkScrollbar.h"

#include <windowsx.h>

#include "toolkit/ElementRegistry.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/StylePool.h"

namespace {

ScrollbarPoint ToPoint(POINT pt)
{
    return ScrollbarPoint{pt.x, pt.y};
}

bool IsBarTimer(UINT_PTR id)
{
    return id >= CBkScrollbar::kTimerDrag && id <= CBkScrollbar::kTimerPage;
}

bool IsEmpty(const ElementRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

// Pushed wins over hover; the skins take the element state bits.
uint32_t SkinState(uint32_t partState)
{
    if (partState & ScrollbarModel::kPartPushed)
        return StatePushDown;
    if (partState & ScrollbarModel::kPartHover)
        return StateHover;
    return 0;
}

}  // namespace

CBkScrollbar::CBkScrollbar() : anim_(this)
{
    timerTarget_ = Handle();
}

CBkScrollbar::~CBkScrollbar()
{
    for (UINT_PTR id = kTimerDrag; id <= kTimerPage; ++id)
        StopTimer(id);
}

void CBkScrollbar::SetSkinClass(const std::string& styleName)
{
    const BkStyle& style = StylePool::Instance().GetStyle(styleName);
    skinFirst_ = style.uporleft;
    skinSecond_ = style.downorright;
    skinThumb_ = style.thumb;
    skinRail_ = style.rail;
    skinBackground_ = style.bkgd;
}

void CBkScrollbar::SetPos(int32_t pos)
{
    model_.SetPos(pos);
    Changed(true);
}

void CBkScrollbar::SetScrollRange(int32_t range)
{
    model_.SetScrollRange(range);
}

void CBkScrollbar::SetOrientation(bool horizontal)
{
    model_.SetOrientation(horizontal);
    Changed(false);
}

void CBkScrollbar::SetBarRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    ElementRect bar;
    bar.left = left;
    bar.top = top;
    bar.right = right;
    bar.bottom = bottom;
    model_.SetBarRect(bar);
    // The element's own rectangle is the bar, for hit testing and repaints.
    rect_ = ToRect(bar);
}

RECT CBkScrollbar::BarRect() const
{
    return ToRect(model_.BarRect());
}

RECT CBkScrollbar::FirstArrowRect() const
{
    return ToRect(model_.Parts().first);
}

RECT CBkScrollbar::SecondArrowRect() const
{
    return ToRect(model_.Parts().second);
}

RECT CBkScrollbar::ThumbRect() const
{
    return ToRect(model_.Parts().thumb);
}

bool CBkScrollbar::IsTimerRunning(UINT_PTR id) const
{
    return IsBarTimer(id) && (timersRunning_ & (1u << (id - kTimerDrag))) != 0;
}

bool CBkScrollbar::OnLButtonDown(POINT pt)
{
    ScrollbarAction action = model_.Press(ToPoint(pt));
    Apply(action);
    // The track pages but is no part: the owner's press goes on there.
    return action.part != ScrollbarPart::None && action.part != ScrollbarPart::Track;
}

void CBkScrollbar::OnLButtonUp()
{
    ScrollbarAction action = model_.Release();
    for (UINT_PTR id = kTimerDrag; id <= kTimerPage; ++id)
        StopTimer(id);
    Apply(action);
}

void CBkScrollbar::OnMouseMove(POINT pt)
{
    Apply(model_.Move(ToPoint(pt)));
}

void CBkScrollbar::OnMouseLeave()
{
    Apply(model_.Leave());
}

void CBkScrollbar::OnMouseWheel(int delta)
{
    int32_t from = 0, to = 0;
    if (model_.WheelTarget(delta, &from, &to))
        anim_.Start(from, to);
}

void CBkScrollbar::OnTimer(UINT_PTR id, POINT cursor)
{
    if (!IsBarTimer(id))
        return;
    if (id != kTimerDrag)
        StopTimer(id);
    Apply(model_.Timer(static_cast<uint32_t>(id), ToPoint(cursor)));
}

void CBkScrollbar::Apply(const ScrollbarAction& action)
{
    if (action.startTimer)
        StartTimer(action.startTimer, action.interval);
    if (action.moved || action.redraw)
        Changed(action.moved);
}

void CBkScrollbar::OnScrollAnimValue(int32_t value)
{
    SetPos(value);
    model_.FollowPos();
}

void CBkScrollbar::StartTimer(UINT_PTR id, UINT interval)
{
    if (host_)
        SetTimer(host_, id, interval, nullptr);
    ElementRegistry::Instance().SetTimerOwner(id, timerTarget_);
    timersRunning_ |= 1u << (id - kTimerDrag);
}

void CBkScrollbar::StopTimer(UINT_PTR id)
{
    if (!IsTimerRunning(id))
        return;
    if (host_)
        KillTimer(host_, id);
    ElementRegistry& registry = ElementRegistry::Instance();
    if (registry.TimerOwner(id) == timerTarget_)
        registry.RemoveTimer(id);
    timersRunning_ &= ~(1u << (id - kTimerDrag));
}

void CBkScrollbar::Changed(bool positionMoved)
{
    if (positionMoved && owner_)
        owner_->OnScrollbarPos(this, model_.Pos());
    if (owner_)
        owner_->OnScrollbarRedraw(this);
    else if (host_)
        InvalidateRect(host_, &rect_, FALSE);
}

void CBkScrollbar::DrawPart(HDC dc, const std::string& skin, const ElementRect& rect, ScrollbarPart part)
{
    if (skin.empty() || IsEmpty(rect))
        return;
    DrawSkinByName(dc, skin, ToRect(rect), SkinState(model_.PartState(part)));
}

void CBkScrollbar::Paint(HDC dc)
{
    const ElementRect& bar = model_.BarRect();
    if (!skinBackground_.empty() && !IsEmpty(bar))
        DrawSkinByName(dc, skinBackground_, ToRect(bar), 0);
    if (model_.Max() < 1)
        return;
    // Arrows have a size only on short and on horizontal bars.
    const ScrollbarParts& parts = model_.Parts();
    DrawPart(dc, skinFirst_, parts.first, ScrollbarPart::First);
    DrawPart(dc, skinSecond_, parts.second, ScrollbarPart::Second);
    DrawPart(dc, skinThumb_, parts.thumb, ScrollbarPart::Thumb);
}

bool CBkScrollbar::RedrawRegion(HDC dc, HRGN region)
{
    if (region && !RectInRegion(region, &rect_))
        return false;
    Paint(dc);
    return true;
}

BOOL CBkScrollbar::ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result)
{
    POINT pt = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
    case WM_LBUTTONDOWN: OnLButtonDown(pt); break;
    case WM_LBUTTONUP: OnLButtonUp(); break;
    case WM_MOUSEMOVE: OnMouseMove(pt); break;
    case WM_MOUSELEAVE: OnMouseLeave(); break;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wparam)); break;
    case WM_TIMER: {
        POINT cursor = {};
        GetCursorPos(&cursor);
        if (host_)
            ScreenToClient(host_, &cursor);
        OnTimer(static_cast<UINT_PTR>(wparam), cursor);
        break;
    }
    case WM_PAINT: Paint(reinterpret_cast<HDC>(wparam)); break;
    default: return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
    }
    SetHandled(true);
    if (result)
        *result = 0;
    return TRUE;
}
