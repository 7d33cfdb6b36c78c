// Row arithmetic of the virtual list: first visible row, row places, hit
// rows with inclusive bounds and the "pos" text of a row.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "toolkit/PosGrammar.h"
#include "toolkit/list/ListGeometry.h"

namespace {

ListMetrics Rows(int32_t h, int32_t s, int32_t count, int32_t top = 0)
{
    ListMetrics m;
    m.rowHeight = h;
    m.rowSpace = s;
    m.rowCount = count;
    m.topMargin = top;
    return m;
}

std::vector<VisibleRow> Visible(const ListMetrics& m, int32_t offset, int32_t height,
                                std::function<int32_t(int32_t)> heightAt = nullptr)
{
    if (!heightAt)
        heightAt = [&m](int32_t) { return m.rowHeight; };
    std::vector<VisibleRow> rows;
    ForEachVisibleRow(m, offset, height, heightAt, [&](const VisibleRow& r) {
        rows.push_back(r);
        return true;
    });
    return rows;
}

TEST(ListGeometry, OffsetsRowsVisitedAndRowPlaces)
{
    ListMetrics m = Rows(35, 0, 10, 4);
    EXPECT_EQ(1, IndexFromOffset(m, 50));
    EXPECT_EQ(15, OffsetInRow(m, 50));
    std::vector<VisibleRow> rows = Visible(m, 50, 100);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(1, rows[0].index);
    EXPECT_EQ(4 - 15, rows[0].top);
    ListMetrics spaced = Rows(35, 2, 10);
    EXPECT_EQ(1, IndexFromOffset(spaced, 37));
    EXPECT_EQ(36, OffsetInRow(spaced, 36));
    EXPECT_EQ(100 / 35 + 2, GetVisibleCount(Rows(35, 0, 100), 100));
    EXPECT_EQ(4u, Visible(Rows(35, 0, 100), 0, 100).size());
    EXPECT_EQ(3u, Visible(Rows(35, 0, 3), 0, 100).size());
    EXPECT_EQ(2u, Visible(Rows(35, 0, 10), 8 * 35, 100).size()) << "scrolled to the end: only rows that exist";
    rows = Visible(Rows(35, 2, 5, 10), 0, 200, [](int32_t i) { return i == 1 ? 50 : 35; });
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ((std::vector<int32_t>{10, 47, 99}), (std::vector<int32_t>{rows[0].top, rows[1].top, rows[2].top}));
    EXPECT_EQ(109, TotalHeightFor(Rows(35, 2, 0), 3));
    EXPECT_EQ(35, TotalHeightFor(Rows(35, 2, 0), 1));
    ListMetrics zero = Rows(0, 0, 5);  // a zero or negative row height never divides
    EXPECT_EQ(1, RowPitch(zero));
    EXPECT_EQ(7, IndexFromOffset(zero, 7));
    EXPECT_EQ(1, RowPitch(Rows(-5, 2, 5)));
}

TEST(ListGeometry, HitTestBoundsAreInclusiveAndTheUpperRowWinsTheLine)
{
    ListMetrics m = Rows(35, 0, 3);
    auto h = [](int32_t) { return 35; };
    VisibleRow hit;
    const struct {
        int32_t offset, y, row;
    } cases[] = {{0, 0, 0}, {0, 35, 0}, {0, 36, 1}, {0, 105, 2}, {0, 106, -1}, {0, -1, -1}, {50, 0, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.row, HitRow(m, c.offset, 200, h, c.y, &hit)) << c.offset << " " << c.y;
    EXPECT_EQ(-15, hit.top) << "scrolled by 50, row 1 starts at -15";
    EXPECT_EQ(-1, HitRow(Rows(35, 4, 3), 0, 200, h, 37, nullptr)) << "in the gap between rows";
    EXPECT_EQ(1, HitRow(Rows(35, 4, 3), 0, 200, h, 39, nullptr));
}

TEST(ListGeometry, RowPosWritesNegativeNumbersAsAbsoluteAndReadsBack)
{
    EXPECT_EQ("0,_15,363,20", FormatRowPos(0, -15, 363, 20));
    EXPECT_EQ("_3,_50,_1,_15", FormatRowPos(-3, -50, -1, -15));
    EXPECT_EQ("_2147483648,0,0,0", FormatRowPos(INT32_MIN, 0, 0, 0));
    PosList pos;
    ASSERT_TRUE(ParsePos(FormatRowPos(5, -15, 363, 20), &pos));
    EXPECT_EQ(-15, ResolvePosItem(pos.items[1], 0, 400));
    EXPECT_EQ(20, ResolvePosItem(pos.items[3], 0, 400));
}

}  // namespace
