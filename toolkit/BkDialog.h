// "dlg": a panel whose children are placed by their pos inside its margins.
#pragma once

#include "toolkit/BkPanel.h"

class CBkDialog : public CBkPanel {
public:
    const char* GetClassName() const override { return "dlg"; }
    void RepositionChild(CBkWindow* child) override;
};
