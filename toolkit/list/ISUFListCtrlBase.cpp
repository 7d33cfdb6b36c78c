#include "toolkit/list/ISUFListCtrlBase.h"

#include "toolkit/ElementTypes.h"

ISUFListCtrlBase::~ISUFListCtrlBase() = default;

ListMetrics ISUFListCtrlBase::Metrics() const
{
    ListMetrics m;
    m.rowHeight = rowHeight_;
    m.rowSpace = rowSpace_;
    m.topMargin = topMargin_;
    m.rowCount = rowCount_;
    return m;
}

bool ISUFListCtrlBase::IsScrollAtRowBoundary()
{
    return false;
}

void ISUFListCtrlBase::SetItemCount(int32_t count)
{
    rowCount_ = count < 0 ? 0 : count;
    totalHeight_ = TotalHeightFor(Metrics(), rowCount_);
}

void ISUFListCtrlBase::SetHoverIndex(int32_t row)
{
    if (RowInRange(row) || row == -1)
        hoverRow_ = row;
}

void ISUFListCtrlBase::SetSelectedIndex(int32_t row)
{
    selection_.Clear();
    if (RowInRange(row))
        selection_.Add(row);
}

void ISUFListCtrlBase::AddSelectedIndex(int32_t row)
{
    if (RowInRange(row))
        selection_.Add(row);
}

int32_t ISUFListCtrlBase::GetItemHeightAt(int32_t row)
{
    if (!RowInRange(row))
        return 0;
    size_t i = static_cast<size_t>(row);
    if (i < records_.size() && records_[i] && records_[i]->height != 0)
        return records_[i]->height;
    return rowHeight_;
}

int32_t ISUFListCtrlBase::GetItemBottom(int32_t row)
{
    if (!RowInRange(row))
        return 0;
    int32_t bottom = 0;
    for (int32_t i = 0; i <= row; ++i)
        bottom = WrapAdd(bottom, WrapAdd(GetItemHeightAt(i), rowSpace_));
    return bottom;
}

CBkObject* ISUFListCtrlBase::GetItemElement(int32_t row)
{
    if (row < 0 || static_cast<size_t>(row) >= records_.size() || !records_[static_cast<size_t>(row)])
        return nullptr;
    return records_[static_cast<size_t>(row)]->element.get();
}

void ISUFListCtrlBase::AppendItem(std::unique_ptr<ListRowRecord> record)
{
    if (!record)
        record = std::make_unique<ListRowRecord>();
    if (record->height == 0)
        record->height = rowHeight_;
    // The first row has no gap above it.
    totalHeight_ = WrapAdd(totalHeight_, WrapAdd(record->height, rowCount_ >= 1 ? rowSpace_ : 0));
    records_.push_back(std::move(record));
    ++rowCount_;
}

void ISUFListCtrlBase::InsertItem(int32_t index, std::unique_ptr<ListRowRecord> record)
{
    if (!record)
        record = std::make_unique<ListRowRecord>();
    int32_t height = record->height != 0 ? record->height : rowHeight_;
    size_t at = index < 0 ? 0 : static_cast<size_t>(index);
    if (at > records_.size())
        at = records_.size();
    totalHeight_ = WrapAdd(totalHeight_, WrapAdd(height, rowSpace_));
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), std::move(record));
    ++rowCount_;
}

std::unique_ptr<ListRowRecord> ISUFListCtrlBase::RemoveItem(int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= records_.size())
        return nullptr;
    int32_t height = GetItemHeightAt(index);
    std::unique_ptr<ListRowRecord> record = std::move(records_[static_cast<size_t>(index)]);
    records_.erase(records_.begin() + index);
    --rowCount_;
    totalHeight_ = WrapSub(totalHeight_, WrapAdd(height, rowSpace_));
    return record;
}

void ISUFListCtrlBase::DeleteAllItems()
{
    rowCount_ = 0;
    totalHeight_ = 0;
    records_.clear();
}
