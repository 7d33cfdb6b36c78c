// Window-free behaviour of the scroll bar: position and range, the part
// rectangles, which part a point is on, and what a press, a repeat timer,
// a drag step or the wheel asks for. CBkScrollbar carries out the answers
// (timers, owner notices, painting).
#pragma once

#include <cstdint>

#include "toolkit/ElementTypes.h"

enum class ScrollbarPart : int32_t {
    None = 0,
    First,   // up or left arrow
    Second,  // down or right arrow
    Thumb,
    Track,   // anywhere else on the bar: pages
};

struct ScrollbarPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct ScrollbarParts {
    ElementRect first;
    ElementRect second;
    ElementRect thumb;
    int32_t thumbLength = 0;  // n of the thumb arithmetic; 0 without a thumb
};

// The part rectangles of a bar (integer arithmetic throughout).
ScrollbarParts ComputeScrollbarParts(bool horizontal, int32_t verticalThickness, int32_t horizontalThickness,
                                     const ElementRect& bar, int32_t pos, int32_t max);

// Position change for a drag movement; 0 when the divisor is 0.
int32_t ScrollbarDragDelta(int32_t movement, int32_t max, int32_t barLength, int32_t thumbLength,
                           int32_t thickness);

struct ScrollbarAction {
    ScrollbarPart part = ScrollbarPart::None;  // what a press hit
    bool moved = false;       // SetPos ran
    bool redraw = false;      // a part state changed
    uint32_t startTimer = 0;  // timer id to start, 0 for none
    uint32_t interval = 0;    // its period in ms
};

class ScrollbarModel {
public:
    static constexpr int32_t kPageStep = 544;
    static constexpr int32_t kArrowStep = 16;
    static constexpr int32_t kThickness = 15;
    static constexpr int32_t kDefaultReserved = 50;
    static constexpr uint32_t kTimerDrag = 10;
    static constexpr uint32_t kTimerFirst = 11;
    static constexpr uint32_t kTimerSecond = 12;
    static constexpr uint32_t kTimerPage = 13;
    static constexpr uint32_t kPartHover = 0x1;
    static constexpr uint32_t kPartPushed = 0x2;

    ScrollbarModel();

    // Clamps into 0..max and recomputes the parts.
    void SetPos(int32_t pos);
    int32_t Pos() const { return pos_; }
    int32_t Max() const { return max_; }
    // max = range + reserved, not below 0; the position is clamped.
    void SetScrollRange(int32_t range);
    void SetReserved(int32_t reserved) { reserved_ = reserved; }
    int32_t Reserved() const { return reserved_; }
    void SetWheelStep(int32_t step) { wheelStep_ = step; }
    int32_t WheelStep() const { return wheelStep_; }
    void SetOrientation(bool horizontal);
    bool IsHorizontal() const { return horizontal_; }
    int32_t VerticalThickness() const { return verticalThickness_; }
    int32_t HorizontalThickness() const { return horizontalThickness_; }
    void SetBarRect(const ElementRect& rect);
    const ElementRect& BarRect() const { return bar_; }
    const ScrollbarParts& Parts() const { return parts_; }

    ScrollbarPart PartAt(ScrollbarPoint pt) const;
    uint32_t PartState(ScrollbarPart part) const;
    bool PointOnPart() const { return onPart_; }
    bool Dragging() const { return dragging_; }

    // Button down; the pressed part gets the pushed state.
    ScrollbarAction Press(ScrollbarPoint pt);
    // A repeat timer (11 to 13) fired and was stopped: press again at the
    // cursor. Timer 10: one drag step while dragging. Other ids: nothing.
    ScrollbarAction Timer(uint32_t id, ScrollbarPoint cursor);
    // Hover follows the point; while dragging also one drag step.
    ScrollbarAction Move(ScrollbarPoint pt);
    // Ends the drag and clears pushed states (the caller stops the timers).
    ScrollbarAction Release();
    ScrollbarAction Leave();
    // Where a wheel notch eases to; false when the bar has no range.
    bool WheelTarget(int delta, int32_t* from, int32_t* to) const;
    // The eased animation moved the bar: the drag follows the new position.
    void FollowPos() { dragPos_ = pos_; }

    // One drag step at pt; true when SetPos ran.
    bool DragStep(ScrollbarPoint pt);

private:
    void Recompute();
    bool SetPartStates(uint32_t firstState, uint32_t secondState, uint32_t thumbState);

    bool horizontal_ = false;
    int32_t verticalThickness_ = kThickness;
    int32_t horizontalThickness_ = 0;
    int32_t max_ = 0;
    int32_t pos_ = 0;
    int32_t reserved_ = kDefaultReserved;
    int32_t arrowStep_ = kArrowStep;
    int32_t wheelStep_ = 0;
    ElementRect bar_;
    ScrollbarParts parts_;
    uint32_t firstState_ = 0;
    uint32_t secondState_ = 0;
    uint32_t thumbState_ = 0;
    bool onPart_ = false;
    bool dragging_ = false;
    int32_t dragPos_ = 0;
    ScrollbarPoint dragPoint_;
};
