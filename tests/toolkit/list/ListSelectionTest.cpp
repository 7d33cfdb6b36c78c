// Selection rules of a click: plain, Ctrl toggles, Shift ranges from the
// anchor, in selection order.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/list/ListSelection.h"

namespace {

using Rows = std::vector<int32_t>;

TEST(ListSelection, PlainClickSelectsTheRowAloneAndReportsTheDroppedRows)
{
    ListSelection s;
    s.Add(1);
    s.Add(4);
    Rows dropped = s.Click(2, false, false, true);
    EXPECT_EQ(Rows({2}), s.Rows());
    EXPECT_EQ(Rows({1, 4}), dropped);
    EXPECT_EQ(2, s.First());
    // Ctrl and Shift mean nothing without multi-select.
    s.Click(5, true, false, false);
    EXPECT_EQ(Rows({5}), s.Rows());
    s.Click(7, false, true, false);
    EXPECT_EQ(Rows({7}), s.Rows());
}

TEST(ListSelection, CtrlClickTogglesTheRow)
{
    ListSelection s;
    s.Click(3, false, false, true);
    s.Click(6, true, false, true);
    EXPECT_EQ(Rows({3, 6}), s.Rows());
    Rows dropped = s.Click(3, true, false, true);
    EXPECT_EQ(Rows({6}), s.Rows());
    EXPECT_EQ(Rows({3}), dropped);
    EXPECT_EQ(6, s.First());
}

TEST(ListSelection, ShiftClickSelectsFromTheAnchorInOrder)
{
    ListSelection s;
    s.Click(5, false, false, true);
    s.Click(2, false, true, true);
    EXPECT_EQ(Rows({5, 4, 3, 2}), s.Rows());
    // The anchor stays the first row: a second Shift-click re-ranges from 5.
    s.Click(7, false, true, true);
    EXPECT_EQ(Rows({5, 6, 7}), s.Rows());
    // On the anchor itself nothing changes.
    s.Click(5, false, true, true);
    EXPECT_EQ(Rows({5, 6, 7}), s.Rows());

    ListSelection empty;
    empty.Click(4, false, true, true);
    EXPECT_EQ(Rows({4}), empty.Rows());
}

TEST(ListSelection, ClickBelowTheRowsDropsOnlyOnAPlainClick)
{
    ListSelection s;
    s.Click(1, false, false, true);
    s.Click(-1, true, false, true);
    EXPECT_EQ(Rows({1}), s.Rows());
    s.Click(-1, false, true, true);
    EXPECT_EQ(Rows({1}), s.Rows());
    s.Click(-1, false, false, true);
    EXPECT_TRUE(s.Empty());
    EXPECT_EQ(-1, s.First());
}

}  // namespace
