// Selected rows of a list, in the order they were selected; the first one
// is the anchor of Shift ranges. Window-free.
#pragma once

#include <cstdint>
#include <vector>

class ListSelection {
public:
    const std::vector<int32_t>& Rows() const { return rows_; }
    bool Empty() const { return rows_.empty(); }
    // First selected row, or -1.
    int32_t First() const { return rows_.empty() ? -1 : rows_.front(); }
    bool Contains(int32_t row) const;
    void Clear() { rows_.clear(); }
    // Appends row unless it is selected already.
    void Add(int32_t row);
    void Remove(int32_t row);

    // A click on row: Ctrl (with multi-select) toggles it; Shift (with
    // multi-select) selects anchor..row, both included, in that order;
    // otherwise row alone. Returns the rows that were selected before and
    // are not any more, so the caller can redraw them.
    std::vector<int32_t> Click(int32_t row, bool ctrl, bool shift, bool multiSelect);

private:
    std::vector<int32_t> rows_;
};
