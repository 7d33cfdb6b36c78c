// "dlgfile": a "dlg" whose one child is the root of another layout
// resource, named by its "src" attribute.
#pragma once

#include "toolkit/BkDialog.h"

class CBkDialogFile : public CBkDialog {
public:
    const char* GetClassName() const override { return "dlgfile"; }
    // False without "src"; a missing or broken resource leaves no child.
    bool Load(const TiXmlElement* xml) override;
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    int32_t Src() const { return src_; }

private:
    int32_t src_ = 0;
};
