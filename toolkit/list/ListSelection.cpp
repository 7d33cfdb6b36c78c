#include "toolkit/list/ListSelection.h"

#include <algorithm>

bool ListSelection::Contains(int32_t row) const
{
    return std::find(rows_.begin(), rows_.end(), row) != rows_.end();
}

void ListSelection::Add(int32_t row)
{
    if (!Contains(row))
        rows_.push_back(row);
}

void ListSelection::Remove(int32_t row)
{
    rows_.erase(std::remove(rows_.begin(), rows_.end(), row), rows_.end());
}

std::vector<int32_t> ListSelection::Click(int32_t row, bool ctrl, bool shift, bool multiSelect)
{
    std::vector<int32_t> before = rows_;
    if (row < 0) {
        // A click below the last row: a plain click drops the selection.
        if (!(ctrl && multiSelect) && !(shift && multiSelect))
            rows_.clear();
    } else if (ctrl && multiSelect) {
        if (Contains(row))
            Remove(row);
        else
            rows_.push_back(row);
    } else if (shift && multiSelect) {
        if (rows_.empty()) {
            rows_.push_back(row);
        } else if (rows_.front() != row) {
            int32_t anchor = rows_.front();
            rows_.clear();
            int32_t step = anchor <= row ? 1 : -1;
            for (int32_t i = anchor;; i += step) {
                rows_.push_back(i);
                if (i == row)
                    break;
            }
        }
    } else {
        rows_.assign(1, row);
    }
    std::vector<int32_t> dropped;
    for (int32_t r : before) {
        if (!Contains(r))
            dropped.push_back(r);
    }
    return dropped;
}
