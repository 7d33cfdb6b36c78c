// Header, splitter and frame placement of the tab control.
#include <gtest/gtest.h>

#include <climits>

#include "toolkit/controls/TabGeometry.h"

namespace {
const ElementRect kControl{10, 20, 410, 320};

TabMetrics Metrics(bool left = false)
{
    TabMetrics m;
    m.tabWidth = 60, m.tabHeight = 25, m.tabPos = 5, m.tabSpacing = 3, m.alignLeft = left;
    return m;
}

void ExpectRect(const ElementRect& r, int l, int t, int rr, int b, const char* what)
{
    EXPECT_EQ((std::vector<int>{l, t, rr, b}), (std::vector<int>{r.left, r.top, r.right, r.bottom})) << what;
}
}  // namespace

TEST(TabGeometry, HeadersSplittersAndFrame)
{
    TabMetrics top = Metrics(), left = Metrics(true);
    ExpectRect(TabHeaderRect(kControl, top, 2), 15 + 2 * 63, 20, 75 + 2 * 63, 45, "top header");
    ExpectRect(TabSplitterRect(kControl, top, 0), 75, 20, 78, 45, "top splitter");
    ExpectRect(TabFrameRect(kControl, top), 10, 45, 410, 320, "top frame");
    ExpectRect(TabHeaderRect(kControl, left, 1), 10, 53, 70, 78, "left header");
    ExpectRect(TabSplitterRect(kControl, left, 1), 10, 78, 70, 81, "left splitter");
    ExpectRect(TabFrameRect(kControl, left), 70, 20, 410, 320, "left frame");
    top.framePos = 30;
    ExpectRect(TabFrameRect(kControl, top), 10, 50, 410, 320, "frame pos");
    top.framePos = 1000;
    ExpectRect(TabFrameRect(kControl, top), 10, 320, 410, 320, "never past the far edge");
}

TEST(TabGeometry, SlotsSelectionAndAbsurdSizes)
{
    TabMetrics m = Metrics();
    EXPECT_EQ(0, TabSlotAt(kControl, m, 3, 74, 44));
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 3, 76, 30));  // in the gap
    EXPECT_EQ(1, TabSlotAt(kControl, m, 3, 78, 30));
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 2, 15 + 2 * 63, 30));  // only two slots
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 3, 20, 45));            // below the row
    EXPECT_EQ(2, ClampTabSelection(2, 3));
    EXPECT_EQ(0, ClampTabSelection(3, 3));
    EXPECT_EQ(0, ClampTabSelection(-1, 3));
    EXPECT_EQ(-1, ClampTabSelection(0, 0));
    m.tabWidth = m.tabHeight = m.tabSpacing = m.tabPos = INT32_MAX;
    EXPECT_EQ(INT32_MAX, TabHeaderRect(kControl, m, 1000).right);
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 1000, 5, 5));
}
