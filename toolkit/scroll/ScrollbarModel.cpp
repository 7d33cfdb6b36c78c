#include "toolkit/scroll/ScrollbarModel.h"

#include <algorithm>
#include <limits>

namespace {

// Layout rectangles come from untrusted sizes: products are taken in 64 bits
// and brought back into range.
int32_t Clamp32(int64_t value)
{
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

__extension__ typedef __int128 Wide;

// a x b / c without overflow for any 32-bit inputs widened to 64 bits; a
// zero divisor (only reachable with odd thicknesses) gives 0.
int64_t MulDiv(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    Wide product = static_cast<Wide>(a) * b / c;
    if (product > std::numeric_limits<int64_t>::max())
        return std::numeric_limits<int64_t>::max();
    if (product < std::numeric_limits<int64_t>::min())
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(product);
}

ElementRect MakeRect(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    ElementRect r;
    r.left = Clamp32(left);
    r.top = Clamp32(top);
    r.right = Clamp32(right);
    r.bottom = Clamp32(bottom);
    return r;
}

ScrollbarParts VerticalParts(int32_t w, const ElementRect& bar, int32_t pos, int32_t max)
{
    ScrollbarParts parts;
    const int64_t L = bar.left, T = bar.top, R = L + w, B = bar.bottom;
    const int64_t length = B - T;
    if (w < length) {
        parts.first = MakeRect(L, T, R, T);
        parts.second = MakeRect(L, B, R, B);
        if (max < 1) {
            parts.thumb = MakeRect(L, T, R, B);
            parts.thumbLength = Clamp32(length);
            return parts;
        }
        int64_t n = MulDiv(length, length, max + length);
        n = std::max<int64_t>(n, 30);
        int64_t top = MulDiv(length - n, pos, max) + 3 + T;
        int64_t bottom = top - 6 + n;
        if (bottom > B) {
            top = B - n;
            bottom = B;
        }
        parts.thumb = MakeRect(L, top, R, bottom);
        parts.thumbLength = Clamp32(n);
        return parts;
    }
    const int64_t half = std::min<int64_t>(length / 2, w);
    parts.first = MakeRect(L, T, R, T + half);
    parts.second = MakeRect(L, B - half, R, B);
    return parts;
}

ScrollbarParts HorizontalParts(int32_t h, const ElementRect& bar, int32_t pos, int32_t max)
{
    ScrollbarParts parts;
    const int64_t L = bar.left, T = bar.top, R = bar.right, B = T + h;
    const int64_t length = R - L;
    const int64_t inner = length - 2 * static_cast<int64_t>(h);
    if (h < inner) {
        parts.first = MakeRect(L, T, L + h, B);
        parts.second = MakeRect(R - h, T, R, B);
        if (max < 1) {
            parts.thumb = MakeRect(L + h, T, R - h, B);
            parts.thumbLength = Clamp32(inner);
            return parts;
        }
        int64_t n = MulDiv(length, inner, max + length);
        n = std::max<int64_t>(n, h);
        int64_t left = MulDiv(inner - n, pos, max) + L + h;
        int64_t right = left + n;
        if (right > R - h) {
            right = R - h;
            left = right - n;
        }
        parts.thumb = MakeRect(left, T, right, B);
        parts.thumbLength = Clamp32(n);
        return parts;
    }
    const int64_t half = std::min<int64_t>(length / 2, h);
    parts.first = MakeRect(L, T, L + half, B);
    parts.second = MakeRect(R - half, T, R, B);
    return parts;
}

}  // namespace

ScrollbarParts ComputeScrollbarParts(bool horizontal, int32_t verticalThickness, int32_t horizontalThickness,
                                     const ElementRect& bar, int32_t pos, int32_t max)
{
    return horizontal ? HorizontalParts(horizontalThickness, bar, pos, max)
                      : VerticalParts(verticalThickness, bar, pos, max);
}

int32_t ScrollbarDragDelta(int32_t movement, int32_t max, int32_t barLength, int32_t thumbLength,
                           int32_t thickness)
{
    const int64_t divisor = static_cast<int64_t>(barLength) - thumbLength - 2 * static_cast<int64_t>(thickness);
    if (divisor == 0)
        return 0;
    return Clamp32(MulDiv(movement, max, divisor));
}

ScrollbarModel::ScrollbarModel()
{
    Recompute();
}

void ScrollbarModel::SetPos(int32_t pos)
{
    pos_ = std::min(std::max(pos, 0), max_);
    Recompute();
}

void ScrollbarModel::SetScrollRange(int32_t range)
{
    max_ = std::max(Clamp32(static_cast<int64_t>(range) + reserved_), 0);
    pos_ = std::min(std::max(pos_, 0), max_);
    Recompute();
}

void ScrollbarModel::SetOrientation(bool horizontal)
{
    horizontal_ = horizontal;
    verticalThickness_ = horizontal ? 0 : kThickness;
    horizontalThickness_ = horizontal ? kThickness : 0;
    Recompute();
}

void ScrollbarModel::SetBarRect(const ElementRect& rect)
{
    bar_ = rect;
    Recompute();
}

void ScrollbarModel::Recompute()
{
    parts_ = ComputeScrollbarParts(horizontal_, verticalThickness_, horizontalThickness_, bar_, pos_, max_);
}

ScrollbarPart ScrollbarModel::PartAt(ScrollbarPoint pt) const
{
    if (parts_.first.Contains(pt.x, pt.y))
        return ScrollbarPart::First;
    if (parts_.second.Contains(pt.x, pt.y))
        return ScrollbarPart::Second;
    if (parts_.thumb.Contains(pt.x, pt.y))
        return ScrollbarPart::Thumb;
    if (bar_.Contains(pt.x, pt.y))
        return ScrollbarPart::Track;
    return ScrollbarPart::None;
}

uint32_t ScrollbarModel::PartState(ScrollbarPart part) const
{
    switch (part) {
    case ScrollbarPart::First: return firstState_;
    case ScrollbarPart::Second: return secondState_;
    case ScrollbarPart::Thumb: return thumbState_;
    default: return 0;
    }
}

bool ScrollbarModel::SetPartStates(uint32_t firstState, uint32_t secondState, uint32_t thumbState)
{
    const bool changed = firstState != firstState_ || secondState != secondState_ || thumbState != thumbState_;
    firstState_ = firstState;
    secondState_ = secondState;
    thumbState_ = thumbState;
    return changed;
}

ScrollbarAction ScrollbarModel::Press(ScrollbarPoint pt)
{
    ScrollbarAction action;
    action.part = PartAt(pt);
    uint32_t first = firstState_, second = secondState_, thumb = thumbState_;
    switch (action.part) {
    case ScrollbarPart::First:
        SetPos(static_cast<int32_t>(static_cast<int64_t>(pos_) - arrowStep_));
        action.startTimer = kTimerFirst;
        action.interval = 50;
        first |= kPartPushed;
        break;
    case ScrollbarPart::Second:
        SetPos(Clamp32(static_cast<int64_t>(pos_) + arrowStep_));
        action.startTimer = kTimerSecond;
        action.interval = 50;
        second |= kPartPushed;
        break;
    case ScrollbarPart::Thumb:
        dragging_ = true;
        dragPos_ = pos_;
        dragPoint_ = pt;
        action.startTimer = kTimerDrag;
        action.interval = 10;
        thumb |= kPartPushed;
        break;
    case ScrollbarPart::Track:
        // The same test on both orientations: the point's y against the
        // thumb's bottom edge (a horizontal bar therefore pages back).
        if (pt.y >= parts_.thumb.bottom)
            SetPos(Clamp32(static_cast<int64_t>(pos_) + kPageStep));
        else
            SetPos(Clamp32(static_cast<int64_t>(pos_) - kPageStep));
        action.startTimer = kTimerPage;
        action.interval = 50;
        break;
    case ScrollbarPart::None:
        return action;
    }
    action.moved = action.part != ScrollbarPart::Thumb;
    action.redraw = SetPartStates(first, second, thumb) || action.moved;
    return action;
}

ScrollbarAction ScrollbarModel::Timer(uint32_t id, ScrollbarPoint cursor)
{
    if (id == kTimerFirst || id == kTimerSecond || id == kTimerPage)
        return Press(cursor);
    ScrollbarAction action;
    if (id == kTimerDrag && dragging_) {
        action.moved = DragStep(cursor);
        action.redraw = action.moved;
    }
    return action;
}

bool ScrollbarModel::DragStep(ScrollbarPoint pt)
{
    const int32_t movement = horizontal_ ? pt.x - dragPoint_.x : pt.y - dragPoint_.y;
    const int32_t barLength = horizontal_ ? bar_.Width() : bar_.Height();
    const int32_t delta = ScrollbarDragDelta(movement, max_, barLength, parts_.thumbLength, horizontalThickness_);
    SetPos(Clamp32(static_cast<int64_t>(dragPos_) + delta));
    dragPos_ = pos_;
    dragPoint_ = pt;
    return true;
}

ScrollbarAction ScrollbarModel::Move(ScrollbarPoint pt)
{
    ScrollbarAction action;
    const ScrollbarPart part = PartAt(pt);
    auto hover = [part](ScrollbarPart which, uint32_t state) {
        return part == which ? (state | kPartHover) : (state & ~kPartHover);
    };
    action.redraw = SetPartStates(hover(ScrollbarPart::First, firstState_), hover(ScrollbarPart::Second, secondState_),
                                  hover(ScrollbarPart::Thumb, thumbState_));
    onPart_ = part == ScrollbarPart::First || part == ScrollbarPart::Second || part == ScrollbarPart::Thumb;
    if (dragging_) {
        action.moved = DragStep(pt);
        action.redraw = true;
    }
    return action;
}

ScrollbarAction ScrollbarModel::Release()
{
    ScrollbarAction action;
    dragging_ = false;
    action.redraw = SetPartStates(firstState_ & ~kPartPushed, secondState_ & ~kPartPushed, thumbState_ & ~kPartPushed);
    return action;
}

ScrollbarAction ScrollbarModel::Leave()
{
    ScrollbarAction action;
    action.redraw = SetPartStates(firstState_ & ~kPartHover, secondState_ & ~kPartHover, thumbState_ & ~kPartHover);
    return action;
}

bool ScrollbarModel::WheelTarget(int delta, int32_t* from, int32_t* to) const
{
    if (max_ < 1 || delta == 0)
        return false;
    *from = pos_;
    const int64_t step = delta < 0 ? wheelStep_ : -static_cast<int64_t>(wheelStep_);
    *to = Clamp32(pos_ + step);
    return true;
}
