// "tab": one page of a "tabctrl", a container like "dlg" with a header
// "title" and a "hide" flag (a hidden page has no header). A page fills the
// frame its tab control gives it.
#pragma once

#include <string>

#include "toolkit/BkDialog.h"

class CBkTab : public CBkDialog {
public:
    const char* GetClassName() const override { return "tab"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    const std::wstring& Title() const { return title_; }
    bool HeaderHidden() const { return hide_ != 0; }

protected:
    void OnNcCalcSize(BOOL fromPlacement, SIZE* size) override;

    std::wstring title_;
    int32_t hide_ = 0;
};
