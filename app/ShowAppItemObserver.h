// Fills the list's row template for each row before it is drawn.
#pragma once

#include <memory>

#include "app/DyncLoadPng.h"
#include "app/IconCache.h"
#include "toolkit/list/IListCtrlEventObserver.h"

class showAppItemObserver : public IListCtrlEventObserver {
public:
    explicit showAppItemObserver(IconCache* icons);
    int32_t OnListEvent(CBkListCtrl* list, int32_t code, int32_t param, CBkWindow* rowTemplate) override;

private:
    DyncLoadPng painter_;
    IconCache* icons_;
};
