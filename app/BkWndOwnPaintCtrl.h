// "ownPaint": an element whose content is drawn by a painter of the
// application (the package icon).
#pragma once

#include "app/IOwnPaint.h"
#include "toolkit/BkWindow.h"

class BkWndOwnPaintCtrl : public CBkWindow {
public:
    const char* GetClassName() const override { return "ownPaint"; }
    bool RedrawRegion(HDC dc, HRGN region) override;

    // Not owned; the owner clears it (or outlives the element).
    void SetPainter(IOwnPaint* painter) { painter_ = painter; }
    IOwnPaint* Painter() const { return painter_; }

private:
    IOwnPaint* painter_ = nullptr;
};
