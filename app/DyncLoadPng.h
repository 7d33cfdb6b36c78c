// Paints a decoded image, stretched, into an "ownPaint" element: the
// package icon, or a skin's image while there is none.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/IOwnPaint.h"
#include "platform/ScopedWin.h"

namespace Gdiplus {
class GpImage;
}

class DyncLoadPng : public IOwnPaint {
public:
    DyncLoadPng();
    ~DyncLoadPng() override = default;

    void Paint(HDC dc, int left, int top, int right, int bottom) override;
    // Takes the named skin's image when there is none yet, or always with
    // force; an unknown skin changes nothing.
    void LoadFromSkin(const std::string& skinName, bool force);
    // Shared with the icon cache, which may let it go first.
    void SetImage(std::shared_ptr<Gdiplus::GpImage> image) { image_ = std::move(image); }
    Gdiplus::GpImage* Image() const { return image_.get(); }

private:
    // Paint and load-from-skin exclude each other through this event.
    class Lock {
    public:
        explicit Lock(HANDLE event) : event_(event)
        {
            WaitForSingleObject(event_, INFINITE);
            ResetEvent(event_);
        }
        ~Lock() { SetEvent(event_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        HANDLE event_;
    };

    std::shared_ptr<Gdiplus::GpImage> image_;
    ScopedHandle lock_;
};
