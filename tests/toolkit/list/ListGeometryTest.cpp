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

TEST(ListGeometry, ScrollOffsetSplitsIntoFirstRowAndOffsetInside)
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
    EXPECT_EQ(0, OffsetInRow(spaced, 37));
    EXPECT_EQ(0, IndexFromOffset(spaced, 36));
    EXPECT_EQ(36, OffsetInRow(spaced, 36));
}

TEST(ListGeometry, VisitsHeightOverRowHeightPlusTwoRowsButNotPastTheLast)
{
    ListMetrics m = Rows(35, 0, 100);
    EXPECT_EQ(100 / 35 + 2, GetVisibleCount(m, 100));
    std::vector<VisibleRow> rows = Visible(m, 0, 100);
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(3, rows.back().index);

    EXPECT_EQ(3u, Visible(Rows(35, 0, 3), 0, 100).size());
    // Scrolled to the end: only the rows that exist.
    EXPECT_EQ(2u, Visible(Rows(35, 0, 10), 8 * 35, 100).size());
    EXPECT_TRUE(Visible(Rows(35, 0, 0), 0, 100).empty());
}

TEST(ListGeometry, EachRowStartsBelowThePreviousRowAndItsSpace)
{
    ListMetrics m = Rows(35, 2, 5, 10);
    std::vector<VisibleRow> rows = Visible(m, 0, 200, [](int32_t i) { return i == 1 ? 50 : 35; });
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ(10, rows[0].top);
    EXPECT_EQ(47, rows[1].top);
    EXPECT_EQ(50, rows[1].height);
    EXPECT_EQ(99, rows[2].top);
}

TEST(ListGeometry, HitTestBoundsAreInclusiveAndTheUpperRowWinsTheLine)
{
    ListMetrics m = Rows(35, 0, 3);
    auto h = [](int32_t) { return 35; };
    VisibleRow hit;
    EXPECT_EQ(0, HitRow(m, 0, 200, h, 0, &hit));
    EXPECT_EQ(0, HitRow(m, 0, 200, h, 35, &hit));  // the line between rows 0 and 1
    EXPECT_EQ(1, HitRow(m, 0, 200, h, 36, &hit));
    EXPECT_EQ(35, hit.top);
    EXPECT_EQ(2, HitRow(m, 0, 200, h, 105, &hit));  // last row's bottom edge
    EXPECT_EQ(-1, HitRow(m, 0, 200, h, 106, &hit));
    EXPECT_EQ(-1, HitRow(m, 0, 200, h, -1, &hit));

    // In a gap between spaced rows nothing is hit.
    ListMetrics spaced = Rows(35, 4, 3);
    EXPECT_EQ(-1, HitRow(spaced, 0, 200, h, 37, nullptr));
    EXPECT_EQ(1, HitRow(spaced, 0, 200, h, 39, nullptr));

    // Scrolled by 50: row 1 starts at -15.
    EXPECT_EQ(1, HitRow(m, 50, 200, h, 0, &hit));
    EXPECT_EQ(-15, hit.top);
}

TEST(ListGeometry, ZeroRowHeightNeverDivides)
{
    ListMetrics m = Rows(0, 0, 5);
    EXPECT_EQ(1, RowPitch(m));
    EXPECT_EQ(7, IndexFromOffset(m, 7));
    EXPECT_EQ(0, OffsetInRow(m, 7));
    EXPECT_GT(GetVisibleCount(m, 100), 0);
    ListMetrics negative = Rows(-5, 2, 5);
    EXPECT_EQ(1, RowPitch(negative));
}

TEST(ListGeometry, RowPosWritesNegativeNumbersAsAbsolute)
{
    EXPECT_EQ("0,0,363,35", FormatRowPos(0, 0, 363, 35));
    EXPECT_EQ("0,_15,363,20", FormatRowPos(0, -15, 363, 20));
    EXPECT_EQ("_3,_50,_1,_15", FormatRowPos(-3, -50, -1, -15));
    EXPECT_EQ("_2147483648,0,0,0", FormatRowPos(INT32_MIN, 0, 0, 0));

    // The text reads back as the same place through the pos grammar.
    PosList pos;
    ASSERT_TRUE(ParsePos(FormatRowPos(5, -15, 363, 20), &pos));
    ASSERT_EQ(4, pos.count);
    EXPECT_EQ(5, ResolvePosItem(pos.items[0], 0, 400));
    EXPECT_EQ(-15, ResolvePosItem(pos.items[1], 0, 400));
    EXPECT_EQ(20, ResolvePosItem(pos.items[3], 0, 400));
}

TEST(ListGeometry, TotalHeightOfCountRows)
{
    EXPECT_EQ(109, TotalHeightFor(Rows(35, 2, 0), 3));
    EXPECT_EQ(350, TotalHeightFor(Rows(35, 0, 0), 10));
    EXPECT_EQ(35, TotalHeightFor(Rows(35, 2, 0), 1));
}

}  // namespace
