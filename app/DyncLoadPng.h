// Paints a decoded image, stretched, into an "ownPaint" element: the
// package icon, or a skin's image while there is none.
#pragma once

#include <windows.h>

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
    // Borrowed: the image stays with its owner (a skin or an AppItem).
    void SetImage(Gdiplus::GpImage* image) { image_ = image; }
    Gdiplus::GpImage* Image() const { return image_; }

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

    Gdiplus::GpImage* image_ = nullptr;
    ScopedHandle lock_;
};
