// "tabctrl": pages ("tab") of which the selected one ("cursel") is shown
// in the frame, and a row (or column) of headers drawn with the tab, icon
// and splitter skins. A press on a header selects its page and sends
// NotifyTabChange.
#pragma once

#include <string>

#include "toolkit/BkContainerWnd.h"
#include "toolkit/controls/BkTab.h"
#include "toolkit/controls/TabGeometry.h"
#include "toolkit/host/ElementNotify.h"

// The NotifyTabChange record: the element's notification (class tag
// "tabctrl"), then the page left and the page selected.
struct TabChangeNotify {
    ElementNotify notify;
    int32_t oldSel;
    int32_t newSel;
};

class CBkTabCtrl : public CBkContainerWnd {
public:
    const char* GetClassName() const override { return "tabctrl"; }
    bool Load(const TiXmlElement* xml) override;
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;
    void SetContainer(HWND host) override;
    ElementHandle HitTest(int x, int y, UINT flags) override;
    bool RedrawRegion(HDC dc, HRGN region) override;
    bool NeedsRedrawOnStateChange() override { return true; }
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    void OnParentShowChanged(bool shown) override;
    void RepositionChild(CBkWindow* child) override;

    int32_t CurSel() const { return curSel_; }
    size_t PageCount() const { return children_.size(); }
    CBkTab* Page(size_t index) const { return static_cast<CBkTab*>(ChildAt(index)); }
    // Shows the page and hides the others; false for no such page. notify
    // sends NotifyTabChange to the host when the selection changed.
    bool SelectPage(int32_t index, bool notify);
    const TabMetrics& Metrics() const { return metrics_; }
    // Header rectangle of a page, empty for a page without a header.
    RECT HeaderRect(size_t index) const;
    // The page whose header holds the point, or -1.
    int32_t PageAtPoint(int x, int y) const;

protected:
    void OnDestroy() override;
    void OnWindowPosChanged(const WINDOWPOS* pos) override;
    void OnShowWindow(BOOL show) override;
    void PaintHeaders(HDC dc);
    // Header slot of a page: pages with "hide" take none (-1).
    int32_t SlotOf(size_t index) const;
    void ApplySelectionVisibility(bool shown);

    int32_t curSel_ = 0;
    TabMetrics metrics_;
    std::string tabSkin_, frameSkin_, iconSkin_, iconSkinLight_, iconSkinGray_, splitterSkin_;
    int32_t iconX_ = 0, iconY_ = 0;
    int32_t textX_ = -1, textY_ = -1;  // -1: centred in the header
    int32_t hoverPage_ = -1;
};
