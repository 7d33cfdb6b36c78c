// The row template of a list: one element tree, moved from row to row.
#pragma once

#include "toolkit/BkDialog.h"

class ISUFListCtrlItem : public CBkDialog {
public:
    const char* GetClassName() const override { return "listitem"; }
};
