// One package as the detail view and a list row show it; a list row owns it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/BkObject.h"

class AppItem : public CBkObject {
public:
    AppItem();

    const char* GetClassName() const override { return "appitem"; }

    // Names this item's icon in the icon cache; never reused by another item.
    uint64_t IconKey() const { return iconKey_; }

    std::wstring label;
    std::wstring fileName;
    std::wstring statusText;
    std::wstring statusTip;
    std::wstring sizeText;
    std::wstring versionName;
    std::wstring sdkVersion;
    std::wstring permissionText;
    // The icon as the package holds it (compressed): decoded only while a
    // row or the details show it. Empty: the default icon.
    std::vector<unsigned char> iconBytes;
    bool installed = false;
    bool showError = false;
    bool showStatus = true;

private:
    uint64_t iconKey_;
};
