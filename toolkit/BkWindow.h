// The element base: every light-weight element of a host window derives from
// CBkWindow. The host talks to elements only through ProcessMessage and the
// virtual operations below; elements find each other by handle.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "toolkit/BkObject.h"
#include "toolkit/BkStyle.h"
#include "toolkit/ElementTypes.h"
#include "toolkit/PosGrammar.h"

class CBkContainerWnd;

class CBkWindow;

// Hands one message to an element as its host would; the result is unused.
void SendElement(CBkWindow* element, HWND host, UINT message, WPARAM wparam, LPARAM lparam);

class CBkWindow : public CBkObject {
public:
    CBkWindow();
    ~CBkWindow() override;
    CBkWindow(const CBkWindow&) = delete;
    CBkWindow& operator=(const CBkWindow&) = delete;

    const char* GetClassName() const override { return "window"; }
    bool Load(const TiXmlElement* xml) override;
    // The common attribute table; kinds offer a name here first.
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    // An ancestor's visibility changed; shown tells whether this element is
    // now on screen. Real windows and containers act on it.
    virtual void OnParentShowChanged(bool shown);
    // A host-defined event with a code and a value, for kinds that need one.
    virtual void OnHostEvent(UINT code, LPARAM value);
    virtual BOOL OnSetCursor();
    // Adds first, then removes; returns the previous state.
    virtual uint32_t ModifyState(uint32_t add, uint32_t remove);
    virtual void SetContainer(HWND host);
    // flags are passed on to children unchanged; the base ignores them.
    virtual ElementHandle HitTest(int x, int y, UINT flags);
    virtual bool NeedsRedrawOnStateChange();
    virtual bool IsContainer() const { return false; }
    virtual bool RedrawRegion(HDC dc, HRGN region);
    // Keyboard wishes (as WM_GETDLGCODE) and focusability; none in the base.
    virtual UINT GetDlgCode() { return 0; }
    virtual UINT IsFocusable() { return 0; }
    virtual BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

    void SetVisible(bool visible);
    bool IsVisible(bool withAncestors) const;
    bool IsDisabled(bool withAncestors) const;

    ElementHandle Handle() const { return handle_; }
    ElementHandle ParentHandle() const { return parent_; }
    void SetParentHandle(ElementHandle parent) { parent_ = parent; }
    CBkWindow* GetParent() const;
    HWND Host() const { return host_; }
    int32_t Id() const { return id_; }
    const RECT& Rect() const { return rect_; }
    void SetRect(const RECT& rect) { rect_ = rect; }
    uint32_t LayoutFlags() const { return layoutFlags_; }
    BkStyle& Style() { return style_; }
    const BkStyle& Style() const { return style_; }
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& text) { text_ = text; }
    // After a text change: a content-sized edge (pos count not 4) moves to
    // fit the measured text, keeping the left/top corner.
    void FitToContent();
    int32_t FixedWidth() const { return fixedWidth_; }
    int32_t FixedHeight() const { return fixedHeight_; }
    uint32_t State() const { return state_; }
    uint32_t Valign() const { return valign_; }
    uint32_t Align() const { return align_; }
    const std::wstring& Href() const { return href_; }
    int32_t Transparent() const { return transparent_; }
    const std::wstring& Tip() const { return tip_; }
    bool TakesAllMouseInput() const { return takesAllMouseInput_; }
    const PosList& Pos() const { return pos_; }
    void SetTooltipLink(HWND tooltip) { tooltip_ = tooltip; }
    HWND TooltipLink() const { return tooltip_; }
    bool Handled() const { return handled_; }
    bool IsFloating() const { return (layoutFlags_ & kLayoutFloating) != 0; }

    // Font for measuring: own, else nearest ancestor's, else the default;
    // under the mouse the nearest hover font wins.
    HFONT ResolveFont() const;
    // Measured size of the text plus margins, in the given box.
    SIZE MeasureText(const RECT& box) const;

protected:
    virtual void OnCreate() {}
    virtual void OnPaint(HDC dc);
    virtual void OnDestroy() {}
    virtual void OnWindowPosChanged(const WINDOWPOS* pos);
    virtual void OnNcCalcSize(BOOL fromPlacement, SIZE* size);
    virtual void OnShowWindow(BOOL show);

    // Asks the view to redraw this element's rectangle. Through the view,
    // never InvalidateRect on the host: the view paints from its dirty
    // region, and an area it was not told of stays as it was.
    void RedrawThroughView() const;
    // Fills the rectangle with the background colour or draws the skin.
    void PaintBackground(HDC dc);
    // Selects the style's font and text colour, where they are set.
    void SelectStyleFont(HDC dc) const;
    // As SelectStyleFont, then for the state: the disabled colour while
    // disabled, else under the mouse the hover font and colour.
    void SelectStateFont(HDC dc) const;
    CBkContainerWnd* ParentContainer() const;
    void SetTakesAllMouseInput(bool takes) { takesAllMouseInput_ = takes; }
    void SetHandled(bool handled) { handled_ = handled; }

    ElementHandle handle_ = 0;
    ElementHandle parent_ = 0;
    HWND host_ = nullptr;
    int32_t id_ = 0;
    RECT rect_ = {};
    uint32_t layoutFlags_ = 0;
    BkStyle style_;
    std::wstring text_;
    int32_t fixedWidth_ = 0;
    int32_t fixedHeight_ = 0;
    uint32_t state_ = 0;
    uint32_t valign_ = kValignTop;
    uint32_t align_ = kAlignLeft;
    std::wstring href_;
    int32_t transparent_ = 0;
    std::wstring tip_;
    bool takesAllMouseInput_ = false;
    PosList pos_;
    HWND tooltip_ = nullptr;
    bool handled_ = false;
};

// RECT <-> the portable rectangle of the layout arithmetic.
ElementRect ToElementRect(const RECT& rect);
RECT ToRect(const ElementRect& rect);

// Tells the element the box its container gives it (host coordinates), as
// a layout pass does.
void PlaceElement(CBkWindow* element, int x, int y, int cx, int cy);
