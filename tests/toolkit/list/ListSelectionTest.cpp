// Selection rules of a click as the program's list makes them (no
// multi-select): a click selects its row alone, Ctrl and Shift change
// nothing, and a click below the rows selects none.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/list/ListSelection.h"

namespace {

using Rows = std::vector<int32_t>;

TEST(ListSelection, AClickSelectsItsRowAloneReportingTheDroppedRows)
{
    ListSelection s;
    s.Add(1);
    s.Add(4);
    EXPECT_EQ(Rows({1, 4}), s.Click(2, false, false, false)) << "a plain click drops the rest";
    const struct {
        int32_t row;
        bool ctrl, shift;
        Rows rows;
    } clicks[] = {{5, true, false, {5}}, {7, false, true, {7}}, {-1, false, false, {}}};
    for (const auto& c : clicks) {
        s.Click(c.row, c.ctrl, c.shift, false);
        EXPECT_EQ(c.rows, s.Rows()) << c.row << c.ctrl << c.shift;
    }
    EXPECT_EQ(-1, s.First());
}

}  // namespace
