// The toolkit's scroll bar element. An owner (the scroll-bar list) embeds it,
// lays it out, forwards mouse and timer input to it and takes its position as
// the scroll offset. Arrows step by 16, the bar pages by 544, the thumb drags
// and the wheel eases the position to its target through ScrollAnim.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "toolkit/BkWindow.h"
#include "toolkit/scroll/ScrollAnim.h"
#include "toolkit/scroll/ScrollbarModel.h"

class CBkScrollbar;

// What the bar tells whoever embeds it.
class IScrollbarOwner {
public:
    virtual ~IScrollbarOwner() = default;
    // SetPos ran (by any path: arrows, paging, drag, wheel animation, owner).
    virtual void OnScrollbarPos(CBkScrollbar* bar, int32_t pos) = 0;
    // The bar's look changed (position, hover or pushed part); repaint it.
    virtual void OnScrollbarRedraw(CBkScrollbar* bar) = 0;
};

class CBkScrollbar : public CBkWindow, private IScrollAnimTarget {
public:
    // Timers the bar sets on its host window, all ids are fixed.
    static constexpr UINT_PTR kTimerDrag = 10;       // every 10 ms while dragging
    static constexpr UINT_PTR kTimerFirstArrow = 11; // every 50 ms, arrow held
    static constexpr UINT_PTR kTimerSecondArrow = 12;
    static constexpr UINT_PTR kTimerPage = 13;

    CBkScrollbar();
    ~CBkScrollbar() override;

    const char* GetClassName() const override { return "scrollbar"; }

    // Not owned; nullptr detaches. Without an owner the bar invalidates its
    // rectangle in its host window itself.
    void SetOwner(IScrollbarOwner* owner) { owner_ = owner; }
    // The five skin names ("uporleft", "downorright", "thumb", "rail",
    // "bkgd") are read from the style class of this name.
    void SetSkinClass(const std::string& styleName);
    // Which element the bar's timers 10 to 13 are registered for in the
    // ElementRegistry (so the host routes WM_TIMER to it); default: the bar.
    void SetTimerTarget(ElementHandle target) { timerTarget_ = target; }

    void SetPos(int32_t pos);
    int32_t GetPos() const { return model_.Pos(); }
    int32_t GetScrollMax() const { return model_.Max(); }
    void SetScrollRange(int32_t range);
    void SetReserved(int32_t reserved) { model_.SetReserved(reserved); }
    int32_t GetReserved() const { return model_.Reserved(); }
    void SetWheelStep(int32_t step) { model_.SetWheelStep(step); }
    void SetOrientation(bool horizontal);
    bool IsHorizontal() const { return model_.IsHorizontal(); }
    // Vertical: 15 and 0; horizontal: 0 and 15.
    int32_t VerticalThickness() const { return model_.VerticalThickness(); }
    int32_t HorizontalThickness() const { return model_.HorizontalThickness(); }
    void SetBarRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    RECT BarRect() const;
    RECT FirstArrowRect() const;
    RECT SecondArrowRect() const;
    RECT ThumbRect() const;
    uint32_t PartState(ScrollbarPart part) const { return model_.PartState(part); }

    bool IsDragging() const { return model_.Dragging(); }
    // Whether the last mouse move was over an arrow or the thumb.
    bool IsOnPart() const { return model_.PointOnPart(); }
    // Whether timer id is running (set and not yet stopped).
    bool IsTimerRunning(UINT_PTR id) const;
    ScrollAnim& Animation() { return anim_; }

    // Entry points for the owner; points in host client coordinates.
    // Button down answers whether the point was on an arrow or the thumb:
    // the owner then only redraws. A press on the track pages and answers
    // false, so the owner's own press goes on at that point.
    bool OnLButtonDown(POINT pt);
    void OnLButtonUp();
    void OnMouseMove(POINT pt);
    void OnMouseLeave();
    // delta as WM_MOUSEWHEEL gives it: negative scrolls towards the end.
    void OnMouseWheel(int delta);
    // Timers 10 to 13 at the current cursor position; other ids are ignored.
    void OnTimer(UINT_PTR id, POINT cursor);
    // Background over the bar; with a range also the thumb.
    void Paint(HDC dc);

    // The same entry points as messages, for a bar that the host drives
    // directly (WM_TIMER takes the cursor position from the system).
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    bool RedrawRegion(HDC dc, HRGN region) override;

private:
    void OnScrollAnimValue(int32_t value) override;
    void Apply(const ScrollbarAction& action);
    void StartTimer(UINT_PTR id, UINT interval);
    void StopTimer(UINT_PTR id);
    void Changed(bool positionMoved);
    void DrawPart(HDC dc, const std::string& skin, const ElementRect& rect, ScrollbarPart part);

    ScrollbarModel model_;
    ScrollAnim anim_;
    IScrollbarOwner* owner_ = nullptr;
    ElementHandle timerTarget_ = 0;
    uint32_t timersRunning_ = 0;  // bit n: timer 10 + n
    std::string skinFirst_;
    std::string skinSecond_;
    std::string skinThumb_;
    std::string skinRail_;
    std::string skinBackground_;
};
