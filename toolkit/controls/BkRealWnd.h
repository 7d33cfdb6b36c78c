// "realwnd": stands in the tree for a child window of the view whose
// control id is the element's id. It paints nothing; it moves the child
// window when it is placed somewhere new and shows or hides it with the
// tree.
#pragma once

#include "toolkit/BkWindow.h"

class CBkRealWnd : public CBkWindow {
public:
    const char* GetClassName() const override { return "realwnd"; }
    bool NeedsRedrawOnStateChange() override { return false; }
    bool RedrawRegion(HDC dc, HRGN region) override;
    void OnParentShowChanged(bool shown) override;

    // The child window of the host with the element's id, or nullptr.
    HWND ChildWindow() const;

protected:
    void OnWindowPosChanged(const WINDOWPOS* pos) override;
    void OnShowWindow(BOOL show) override;
    void OnDestroy() override;

private:
    static void ShowAndRepaint(HWND child);
};
