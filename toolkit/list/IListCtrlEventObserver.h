// How a list asks its owner for row data. Window-free: the owner gets the
// list and the row template and fills the template's children.
#pragma once

#include <cstdint>

class CBkListCtrl;
class CBkWindow;

enum ListEventCode : int32_t {
    ListEventFillRow = 0,     // fill the template for the row in the notification record
    ListEventDoubleClick = 2, // double click on the row in the notification record
};

// Row states of the notification record (bit values).
enum ListRowState : uint32_t {
    ListRowNormal = 1,
    ListRowHover = 2,
    ListRowSelected = 4,
    ListRowSelectedHover = 6,
};

// The row the template stands for right now.
struct ListRowNotify {
    int32_t row = -1;
    uint32_t state = ListRowNormal;
    int32_t param = 0;  // the hover child's id on the hover row, else 0
};

class IListCtrlEventObserver {
public:
    virtual ~IListCtrlEventObserver() = default;
    virtual int32_t OnListEvent(CBkListCtrl* list, int32_t code, int32_t param, CBkWindow* rowTemplate) = 0;
};
