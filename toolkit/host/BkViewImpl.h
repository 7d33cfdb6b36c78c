// The view window (control id 1000) under a dialog host: owns the header,
// body and footer of a layer, paints them through a retained off-screen
// bitmap clipped to a dirty region, and gives access to elements by id.
// Input routing is added by CBkDialogViewImpl.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <windows.h>

#include "platform/ScopedWin.h"
#include "toolkit/BkDialog.h"
#include "toolkit/host/TouchInput.h"

class CBkViewImpl {
public:
    CBkViewImpl();
    virtual ~CBkViewImpl();
    CBkViewImpl(const CBkViewImpl&) = delete;
    CBkViewImpl& operator=(const CBkViewImpl&) = delete;

    // The child window with id 1000 over rect (client coordinates of parent).
    HWND Create(HWND parent, const RECT& rect);
    HWND Hwnd() const { return hwnd_; }

    // A "layer" document; false (and everything redrawn) when it does not
    // parse or has another root.
    bool LoadLayer(const std::string& text);
    bool LoadLayer(unsigned resourceId);
    bool Loaded() const { return loaded_; }

    const std::wstring& Title() const { return title_; }
    int32_t LayerWidth() const { return width_; }
    int32_t LayerHeight() const { return height_; }
    uint32_t Style() const { return style_; }
    uint32_t ExStyle() const { return exStyle_; }
    bool Resizable() const { return resizable_; }

    // nullptr for a part the layer does not have.
    CBkDialog* Header() const { return hasHeader_ ? header_.get() : nullptr; }
    CBkDialog* Body() const { return hasBody_ ? body_.get() : nullptr; }
    CBkDialog* Footer() const { return hasFooter_ ? footer_.get() : nullptr; }

    // Runtime access by id, searching header, body, footer; each is false
    // when no element has the id.
    CBkWindow* FindElement(int32_t id) const;
    bool SetElementText(int32_t id, const std::wstring& text);
    bool SetElementAttribute(int32_t id, const std::string& name, const std::string& utf8Value);
    bool SetElementAttribute(int32_t id, const std::string& name, const std::wstring& value);
    bool SetElementIntAttribute(int32_t id, const std::string& name, int32_t value);
    bool EnableElement(int32_t id, bool enable);
    bool ShowElement(int32_t id, bool show);

    void InvalidateElement(CBkWindow* element, bool onlyIfVisible);
    void RedrawAll();
    void RelayoutAll();
    // Real child windows shown where every ancestor is visible.
    void ApplyRealWindowVisibility();

    ElementHandle HoverHandle() const { return hover_; }
    ElementHandle PressedHandle() const { return pressed_; }
    HWND Tooltip() const { return tooltip_; }
    // The tooltip is made when the pointer first comes over the view: the
    // first paint has no use for it, and making it costs the start time.
    void CreateTooltip();
    HBITMAP OffscreenBitmap() const { return offscreen_.Get(); }

protected:
    // Messages of the view window; true when handled.
    virtual bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
    // The element under the point: header, body, footer in that order.
    CBkWindow* HitElement(int x, int y) const;
    // Changes state bits and repaints the element when its look depends on them.
    void ChangeState(CBkWindow* element, uint32_t add, uint32_t remove);
    void SendNotify(NMHDR* header);
    void SetTipText(const std::wstring& tip);

    HWND hwnd_ = nullptr;
    std::unique_ptr<CBkDialog> header_, body_, footer_;
    ScopedGdiObj<HBITMAP> offscreen_;
    ElementHandle hover_ = 0;
    ElementHandle pressed_ = 0;
    bool trackingLeave_ = false;
    bool captured_ = false;
    std::wstring title_;
    int32_t width_ = 0, height_ = 0;
    uint32_t style_ = 0, exStyle_ = 0;
    bool hasHeader_ = false, hasBody_ = false, hasFooter_ = false;
    bool resizable_ = false;
    bool loaded_ = false;
    bool dirty_ = false;
    bool fullRedraw_ = true;
    HWND tooltip_ = nullptr;
    ScopedGdiObj<HRGN> dirtyRegion_;
    std::unique_ptr<TouchInput> touch_;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    void ResetRoots();
    void OnSize();
    void Render();
    void AddDirtyRect(const RECT& rect);
    void OnPaint(HDC target);
    std::wstring tipText_;
    bool tipOn_ = true;
};
