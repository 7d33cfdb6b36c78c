// A container that loads its children from XML, paints them over itself,
// hit-tests them and passes visibility and mouse moves on.
#pragma once

#include "toolkit/BkContainerWnd.h"

class CBkPanel : public CBkContainerWnd {
public:
    bool Load(const TiXmlElement* xml) override;
    void SetContainer(HWND host) override;
    ElementHandle HitTest(int x, int y, UINT flags) override;
    bool RedrawRegion(HDC dc, HRGN region) override;
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    void OnParentShowChanged(bool shown) override;

protected:
    void OnDestroy() override;
    void OnWindowPosChanged(const WINDOWPOS* pos) override;
    void OnShowWindow(BOOL show) override;
};
