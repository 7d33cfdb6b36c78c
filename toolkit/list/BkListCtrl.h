// "list": a virtual list over one row template loaded from the "xml"
// resource named by "src". Each row to draw, hit-test or click borrows the
// template: it is moved to the row, given the row's style class, and the
// observer fills its children. No element exists per row.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <windows.h>

#include "toolkit/BkDialog.h"
#include "toolkit/list/IListCtrlEventObserver.h"
#include "toolkit/list/ISUFListCtrlBase.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/list/ISUFListCtrlItem.h"

class CBkListCtrl : public ISUFListCtrlBase, public CBkDialog {
public:
    // Hover tracking runs on this timer, 1 ms after each mouse move.
    static constexpr UINT_PTR kHoverTimer = 20000;
    // Sent to the hosting window by NotifyHost.
    static constexpr UINT kHostListMessage = WM_USER + 24;

    CBkListCtrl();
    ~CBkListCtrl() override;

    const char* GetClassName() const override { return "list"; }
    // False when "src" is empty; a template that fails to load leaves the
    // control without one.
    bool Load(const TiXmlElement* xml) override;
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void SetContainer(HWND host) override;
    // The list answers for its whole rectangle: rows are not elements.
    ElementHandle HitTest(int x, int y, UINT flags) override;
    bool RedrawRegion(HDC dc, HRGN region) override;
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

    // Parses a template document (root with "height" and "width"); false
    // for a height of 0 or text that does not parse.
    virtual bool LoadTemplate(const char* text);
    // Draws row at y and moves y past it and the row space.
    virtual void DrawItem(HDC dc, HRGN region, int32_t row, int32_t* y);
    // The observer's stand-in: does nothing.
    virtual int32_t OnItemNotify(int32_t code);
    virtual int32_t IndexFromOffset(int32_t offset);
    virtual int32_t OffsetInRow(int32_t offset);
    virtual void SplitOffset(int32_t offset, int32_t* first, int32_t* inside);
    virtual int32_t GetVisibleCount();
    // The row's "pos" text for a row whose top lies at y.
    virtual std::string GetRowPos(int32_t row, int32_t y);
    // Puts the template on a visible row; false when the row is not visible.
    virtual bool PrepareRow(int32_t row);
    // Row under a point in host coordinates, -1 when none; the template is
    // left on the row hit.
    virtual int32_t HitTest(POINT pt);
    // { 0, y, row width, y + row height } of a visible row, else empty.
    virtual RECT GetRowRect(int32_t row);
    virtual LRESULT NotifyHost(LPARAM value);

    void SetObserver(IListCtrlEventObserver* observer) { observer_ = observer; }
    IListCtrlEventObserver* Observer() const { return observer_; }
    void SetRowLeft(int32_t left) { rowLeft_ = left; }
    int32_t GetRowLeft() const { return rowLeft_; }
    const ListRowNotify& RowNotify() const { return notify_; }
    ISUFListCtrlItem* Template() const { return template_.get(); }
    int32_t Src() const { return src_; }
    int32_t FloatSrc() const { return floatSrc_; }
    int32_t SBarType() const { return sbarType_; }
    const std::string& NormalClass() const { return classNormal_; }
    const std::string& HoverClass() const { return classHover_; }
    const std::string& SelectClass() const { return classSelect_; }
    bool CtrlFlag() const { return ctrlDown_; }
    bool ShiftFlag() const { return shiftDown_; }
    // Asks the hosting window to repaint the list.
    void Redraw();

    // Helpers for the owner on the template's children: 1 on success, 0
    // when no child of the template has the id.
    int32_t SetChildAttribute(int32_t id, const std::string& name, const std::string& value);
    int32_t SetChildAttributeUInt(int32_t id, const std::string& name, uint32_t value);
    int32_t SetChildText(int32_t id, const std::wstring& text);
    int32_t ShowChild(int32_t id, bool show);
    int32_t SetChildCheck(int32_t id, bool checked);
    // 1 when checked, 0 when not or when no child has the id.
    int32_t GetChildCheck(int32_t id);
    int32_t SetChildTip(int32_t id, const std::wstring& tip);

protected:
    virtual void OnWindowPosChanged(const WINDOWPOS* pos) override;
    virtual void OnLButtonDblClk(WPARAM keys, POINT pt);
    virtual void OnLButtonDown(WPARAM keys, POINT pt);
    virtual void OnLButtonUp(WPARAM keys, POINT pt);
    virtual void OnMouseMove(WPARAM keys, POINT pt);
    virtual void OnMouseLeave();
    virtual LRESULT OnMouseWheel(WPARAM keys, int delta, POINT pt);
    virtual void OnKeyDown(WPARAM key);
    virtual void OnKeyUp(WPARAM key);
    BOOL OnSetCursor() override;
    void OnPaint(HDC dc) override;
    virtual void OnTimer(UINT_PTR id);

    // Hooks for the scroll-bar list. A press the bar takes answers true.
    virtual bool ScrollBarButtonDown(POINT pt);
    virtual bool ScrollBarDragging();
    virtual void PaintScrollBar(HDC dc);
    // Where the cursor is, in host client coordinates.
    virtual POINT CursorPosition();
    // Whether a modifier key is held now (GetKeyState).
    virtual bool KeyHeld(int vk, int rightVk);

    // Hover tracking after a mouse move, at the cursor position.
    void UpdateHover();
    // Puts the hovered child's tip into the host's tooltip.
    // Fills the notification record for row and lets the observer fill
    // the template.
    void FillRow(int32_t row, uint32_t state, int32_t param);
    uint32_t RowStateOf(int32_t row) const;
    CBkWindow* TemplateChild(int32_t id);
    // The template's child under the point (may be the template itself).
    CBkWindow* TemplateChildAt(POINT pt);
    void RedrawRect(const RECT& rect);
    void RedrawRowAt(int32_t row);
    int32_t ControlHeight() const { return rect_.bottom - rect_.top; }

    std::unique_ptr<ISUFListCtrlItem> template_;
    std::string classNormal_;
    std::string classHover_;
    std::string classSelect_;
    int32_t src_ = 0;
    int32_t floatSrc_ = 0;
    bool painting_ = false;
    bool ctrlDown_ = false;
    bool shiftDown_ = false;
    int32_t rowLeft_ = 0;
    int32_t pressedChild_ = 0;          // id
    ElementHandle pressedChildHandle_ = 0;
    ElementHandle hoverChildHandle_ = 0;
    ListRowNotify notify_;
    IListCtrlEventObserver* observer_ = nullptr;
    int32_t sbarType_ = 0;
    WPARAM mouseKeys_ = 0;
    HRGN paintRegion_ = nullptr;
};

