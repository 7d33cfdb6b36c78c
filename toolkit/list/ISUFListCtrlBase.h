// Row model and row geometry of the virtual list: row records, selection,
// heights and the scroll offset. The list elements build on it; it knows
// no windows, so its arithmetic is tested natively.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/BkObject.h"
#include "toolkit/list/ListGeometry.h"
#include "toolkit/list/ListSelection.h"

// One explicitly added row. The control reads only height and element.
struct ListRowRecord {
    std::unique_ptr<CBkObject> element;  // may be null
    std::wstring text;
    int32_t flag = 1;
    int32_t height = 0;  // 0: the default row height
};

class ISUFListCtrlBase {
public:
    virtual ~ISUFListCtrlBase();
    ISUFListCtrlBase(const ISUFListCtrlBase&) = delete;
    ISUFListCtrlBase& operator=(const ISUFListCtrlBase&) = delete;

    // False without a scroll bar; with one, the position lies on a row edge.
    virtual bool IsScrollAtRowBoundary();
    virtual void SetItemCount(int32_t count);
    virtual int32_t GetItemCount() { return rowCount_; }
    virtual int32_t GetHoverIndex() { return hoverRow_; }
    virtual void SetHoverIndex(int32_t row);
    virtual int32_t GetSelectedIndex() { return selection_.First(); }
    virtual void SetSelectedIndex(int32_t row);
    virtual void AddSelectedIndex(int32_t row);
    virtual int32_t GetHoverChild() { return hoverChild_; }
    virtual void SetHoverChild(int32_t id) { hoverChild_ = id; }
    virtual void SetItemHeight(int32_t height) { rowHeight_ = height; }
    virtual int32_t GetItemHeightAt(int32_t row);
    virtual int32_t GetItemHeight() { return rowHeight_; }
    virtual void SetTopMargin(int32_t margin) { topMargin_ = margin; }
    virtual int32_t GetTopMargin() { return topMargin_; }
    virtual void SetItemWidth(int32_t width) { rowWidth_ = width; }
    virtual int32_t GetItemWidth() { return rowWidth_; }
    virtual void SetUserValue(int32_t value) { userValue_ = value; }
    virtual int32_t GetUserValue() { return userValue_; }
    virtual void SetMultiSelect(bool multi) { multiSelect_ = multi ? 1 : 0; }
    virtual void SetItemSpace(int32_t space) { rowSpace_ = space; }
    virtual int32_t GetItemSpace() { return rowSpace_; }
    virtual int32_t GetHoverChildId() { return hoverChild_; }
    virtual int32_t GetTotalHeight() { return totalHeight_; }
    // Sum of (row height + s) over rows 0..row.
    virtual int32_t GetItemBottom(int32_t row);
    // The record's element of row, or null when row is out of range.
    virtual CBkObject* GetItemElement(int32_t row);
    virtual void AppendItem(std::unique_ptr<ListRowRecord> record);
    virtual void InsertItem(int32_t index, std::unique_ptr<ListRowRecord> record);
    // Hands the record back; null when index is out of range.
    virtual std::unique_ptr<ListRowRecord> RemoveItem(int32_t index);
    virtual void DeleteAllItems();
    virtual int32_t GetScrollPos() { return scrollOffset_; }
    virtual void SetScrollPos(int32_t pos) { scrollOffset_ = pos; }
    virtual void ScrollToEnd() {}
    virtual void ScrollToTop() { SetScrollPos(0); }

    const std::vector<int32_t>& SelectedRows() const { return selection_.Rows(); }
    bool IsSelected(int32_t row) const { return selection_.Contains(row); }
    void ClearSelection() { selection_.Clear(); }
    int32_t GetHitRow() const { return hitRow_; }
    int32_t GetPressedRow() const { return pressedRow_; }
    bool IsMultiSelect() const { return multiSelect_ != 0; }
    size_t RecordCount() const { return records_.size(); }

protected:
    ISUFListCtrlBase() = default;
    ListMetrics Metrics() const;
    bool RowInRange(int32_t row) const { return row >= 0 && row < rowCount_; }

    std::vector<std::unique_ptr<ListRowRecord>> records_;
    ListSelection selection_;
    int32_t totalHeight_ = 0;
    int32_t rowCount_ = 0;
    int32_t scrollOffset_ = 0;
    int32_t hoverChild_ = 0;
    int32_t hitRow_ = -1;
    int32_t hoverRow_ = -1;
    int32_t pressedRow_ = -1;
    int32_t rowHeight_ = 0;
    int32_t topMargin_ = 0;
    int32_t rowWidth_ = 0;
    int32_t userValue_ = 0;
    int32_t rowSpace_ = 0;
    int32_t multiSelect_ = 0;
};
