#include "toolkit/list/ListGeometry.h"

#include <cstdio>
#include <cstdlib>

#include "toolkit/ElementTypes.h"

int32_t RowPitch(const ListMetrics& m)
{
    int32_t pitch = WrapAdd(m.rowHeight, m.rowSpace);
    return pitch > 0 ? pitch : 1;
}

int32_t IndexFromOffset(const ListMetrics& m, int32_t scrollOffset)
{
    return scrollOffset / RowPitch(m);
}

int32_t OffsetInRow(const ListMetrics& m, int32_t scrollOffset)
{
    return scrollOffset % RowPitch(m);
}

int32_t GetVisibleCount(const ListMetrics& m, int32_t controlHeight)
{
    int32_t h = m.rowHeight > 0 ? m.rowHeight : 1;
    return controlHeight / h + 2;
}

void ForEachVisibleRow(const ListMetrics& m, int32_t scrollOffset, int32_t controlHeight,
                       const std::function<int32_t(int32_t)>& rowHeightAt,
                       const std::function<bool(const VisibleRow&)>& visit)
{
    int32_t first = IndexFromOffset(m, scrollOffset);
    int32_t y = WrapSub(m.topMargin, OffsetInRow(m, scrollOffset));
    int32_t looked = GetVisibleCount(m, controlHeight);
    for (int32_t i = first < 0 ? 0 : first, done = 0; i < m.rowCount && done < looked; ++i, ++done) {
        VisibleRow row{i, y, rowHeightAt(i)};
        if (!visit(row))
            return;
        y = WrapAdd(y, WrapAdd(row.height, m.rowSpace));
    }
}

int32_t HitRow(const ListMetrics& m, int32_t scrollOffset, int32_t controlHeight,
               const std::function<int32_t(int32_t)>& rowHeightAt, int32_t y, VisibleRow* hit)
{
    int32_t found = -1;
    ForEachVisibleRow(m, scrollOffset, controlHeight, rowHeightAt, [&](const VisibleRow& row) {
        if (row.top <= y && y <= WrapAdd(row.top, row.height)) {
            found = row.index;
            if (hit)
                *hit = row;
            return false;
        }
        return true;
    });
    return found;
}

namespace {
std::string PosNumber(int32_t v)
{
    char buffer[16];
    // The magnitude of INT32_MIN does not fit an int32_t.
    long long magnitude = std::llabs(static_cast<long long>(v));
    std::snprintf(buffer, sizeof buffer, "%s%lld", v < 0 ? "_" : "", magnitude);
    return buffer;
}
}  // namespace

std::string FormatRowPos(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return PosNumber(left) + "," + PosNumber(top) + "," + PosNumber(right) + "," + PosNumber(bottom);
}

int32_t TotalHeightFor(const ListMetrics& m, int32_t count)
{
    return static_cast<int32_t>(static_cast<int64_t>(WrapAdd(m.rowSpace, m.rowHeight)) * count - m.rowSpace);
}
