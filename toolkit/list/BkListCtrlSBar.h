// "listSbar": the list with its own scroll bar. The bar's position is the
// scroll offset; the wheel eases the position through the bar; every
// placement and row-count change lays the scroll range out again.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "toolkit/list/BkListCtrl.h"
#include "toolkit/scroll/BkScrollbar.h"

class CBkListCtrlSBar : public CBkListCtrl, private IScrollbarOwner {
public:
    static constexpr int32_t kBarThickness = 15;

    CBkListCtrlSBar();
    ~CBkListCtrlSBar() override;

    const char* GetClassName() const override { return "listSbar"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void SetContainer(HWND host) override;

    bool IsScrollAtRowBoundary() override;
    void SetItemCount(int32_t count) override;
    int32_t GetScrollPos() override { return bar_.GetPos(); }
    void SetScrollPos(int32_t pos) override;
    void ScrollToEnd() override;

    virtual void Relayout();
    virtual void Layout();
    virtual void LayoutVertical();
    virtual void LayoutHorizontal();
    virtual void SetScrollBarRect(const RECT& rect);
    virtual void SetReserved(int32_t reserved);
    virtual int32_t GetScrollMax();
    virtual void SetScrollRange(int32_t range);
    virtual void SetWheelStep(int32_t step);
    // The last row becomes the hover row and, unless the bar is being
    // dragged, the selected one.
    virtual void HoverLastItem();

    CBkScrollbar& ScrollBar() { return bar_; }
    int32_t ThumOffset() const { return thumOffset_; }
    int32_t Reserved() const { return reserved_; }
    int32_t AlwaysShowScrollBar() const { return alwaysShow_; }
    const std::string& ScrollBarClass() const { return barClass_; }

protected:
    void OnWindowPosChanged(const WINDOWPOS* pos) override;
    void OnLButtonUp(WPARAM keys, POINT pt) override;
    void OnMouseMove(WPARAM keys, POINT pt) override;
    void OnMouseLeave() override;
    LRESULT OnMouseWheel(WPARAM keys, int delta, POINT pt) override;
    void OnTimer(UINT_PTR id) override;
    bool ScrollBarButtonDown(POINT pt) override;
    bool ScrollBarDragging() override;
    void PaintScrollBar(HDC dc) override;

private:
    void OnScrollbarPos(CBkScrollbar* bar, int32_t pos) override;
    void OnScrollbarRedraw(CBkScrollbar* bar) override;
    // Range, position and visibility from the content height and the bar
    // rectangle.
    void LayoutRange(const RECT& barRect);

    CBkScrollbar bar_;
    int32_t thumOffset_ = 3;
    int32_t reserved_ = 50;
    int32_t alwaysShow_ = 1;
    std::string barClass_;
    RECT customRect_ = {};
    bool hasCustomRect_ = false;
    bool laidOut_ = false;
};
