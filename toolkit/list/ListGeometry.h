// Row arithmetic of the virtual list: which rows can be visible, where
// each one lies, which one a point hits, and the "pos" text of a row.
// Window-free, so it is tested natively.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct ListMetrics {
    int32_t rowHeight = 0;  // default row height h
    int32_t rowSpace = 0;   // gap s between two rows
    int32_t topMargin = 0;  // y of the first row's top
    int32_t rowCount = 0;
};

// Pitch of one default row (h + s), never 0 so it can divide.
int32_t RowPitch(const ListMetrics& m);
// First visible row of a scroll offset, assuming every row has height h.
int32_t IndexFromOffset(const ListMetrics& m, int32_t scrollOffset);
// How far the first visible row is scrolled above the top.
int32_t OffsetInRow(const ListMetrics& m, int32_t scrollOffset);
// Rows looked at for a control of the given height: height / h + 2.
int32_t GetVisibleCount(const ListMetrics& m, int32_t controlHeight);

// One row as drawing and hit testing see it.
struct VisibleRow {
    int32_t index = 0;
    int32_t top = 0;     // relative to the control's top
    int32_t height = 0;
};

// Calls visit for each row that can be visible, first to last, with y
// advancing by each row's height plus s; stops early when visit answers
// false. rowHeightAt gives the height of row i.
void ForEachVisibleRow(const ListMetrics& m, int32_t scrollOffset, int32_t controlHeight,
                       const std::function<int32_t(int32_t)>& rowHeightAt,
                       const std::function<bool(const VisibleRow&)>& visit);

// Row under y (relative to the control's top), bounds inclusive: a point on
// the line between two rows hits the upper one. -1 when none.
int32_t HitRow(const ListMetrics& m, int32_t scrollOffset, int32_t controlHeight,
               const std::function<int32_t(int32_t)>& rowHeightAt, int32_t y, VisibleRow* hit);

// "left,top,right,bottom"; a negative number is written "_n" (absolute).
std::string FormatRowPos(int32_t left, int32_t top, int32_t right, int32_t bottom);

// Total height of n rows of height h: (s + h) x n - s.
int32_t TotalHeightFor(const ListMetrics& m, int32_t count);
