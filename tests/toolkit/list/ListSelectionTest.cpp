// Selection rules of a click: plain, Ctrl toggles, Shift ranges from the
// anchor, in selection order.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/list/ListSelection.h"

namespace {

using Rows = std::vector<int32_t>;

TEST(ListSelection, PlainCtrlAndShiftClicksFromTheAnchorInOrderReportingTheDroppedRows)
{
    ListSelection s;
    s.Add(1);
    s.Add(4);
    EXPECT_EQ(Rows({1, 4}), s.Click(2, false, false, true)) << "a plain click drops the rest";
    const struct {
        int32_t row;
        bool ctrl, shift, multi;
        Rows rows;
    } clicks[] = {
        {5, true, false, false, {5}},     // Ctrl and Shift mean nothing without multi-select
        {6, true, false, true, {5, 6}},   // Ctrl adds
        {5, true, false, true, {6}},      // and toggles
        {9, false, false, true, {9}},     {7, false, true, true, {9, 8, 7}},  // Shift ranges from the anchor
        {11, false, true, true, {9, 10, 11}}, {9, false, true, true, {9, 10, 11}},
        {-1, true, false, true, {9, 10, 11}}, {-1, false, true, true, {9, 10, 11}},  // below the rows
        {-1, false, false, true, {}},
    };
    for (const auto& c : clicks) {
        s.Click(c.row, c.ctrl, c.shift, c.multi);
        EXPECT_EQ(c.rows, s.Rows()) << c.row << c.ctrl << c.shift << c.multi;
    }
    EXPECT_EQ(-1, s.First());
    ListSelection empty;
    empty.Click(4, false, true, true);
    EXPECT_EQ(Rows({4}), empty.Rows());
}

}  // namespace
