// One package as the detail view and a list row show it; a list row owns it.
#pragma once

#include <string>

#include "toolkit/BkObject.h"

namespace Gdiplus {
class GpImage;
}

class AppItem : public CBkObject {
public:
    AppItem() = default;
    ~AppItem() override;
    AppItem(const AppItem&) = delete;
    AppItem& operator=(const AppItem&) = delete;

    const char* GetClassName() const override { return "appitem"; }

    // Owned; disposed with the item.
    void SetIcon(Gdiplus::GpImage* icon);
    Gdiplus::GpImage* Icon() const { return icon_; }

    std::wstring label;
    std::wstring fileName;
    std::wstring statusText;
    std::wstring statusTip;
    std::wstring sizeText;
    std::wstring versionName;
    std::wstring sdkVersion;
    std::wstring permissionText;
    bool installed = false;
    bool showError = false;
    bool showStatus = true;

private:
    Gdiplus::GpImage* icon_ = nullptr;
};
