// Header, splitter and frame placement of the tab control.
#include <gtest/gtest.h>

#include <climits>

#include "toolkit/controls/TabGeometry.h"

namespace {
const ElementRect kControl{10, 20, 410, 320};

TabMetrics Top()
{
    TabMetrics m;
    m.tabWidth = 60;
    m.tabHeight = 25;
    m.tabPos = 5;
    m.tabSpacing = 3;
    return m;
}

void ExpectRect(const ElementRect& r, int l, int t, int rr, int b)
{
    EXPECT_EQ(l, r.left);
    EXPECT_EQ(t, r.top);
    EXPECT_EQ(rr, r.right);
    EXPECT_EQ(b, r.bottom);
}
}  // namespace

TEST(TabGeometry, TopHeadersRunAlongTheTopEdge)
{
    TabMetrics m = Top();
    ExpectRect(TabHeaderRect(kControl, m, 0), 15, 20, 75, 45);
    ExpectRect(TabHeaderRect(kControl, m, 2), 15 + 2 * 63, 20, 75 + 2 * 63, 45);
    ExpectRect(TabSplitterRect(kControl, m, 0), 75, 20, 78, 45);
    ExpectRect(TabFrameRect(kControl, m), 10, 45, 410, 320);
}

TEST(TabGeometry, LeftHeadersRunDownTheLeftEdge)
{
    TabMetrics m = Top();
    m.alignLeft = true;
    ExpectRect(TabHeaderRect(kControl, m, 0), 10, 25, 70, 50);
    ExpectRect(TabHeaderRect(kControl, m, 1), 10, 53, 70, 78);
    ExpectRect(TabSplitterRect(kControl, m, 1), 10, 78, 70, 81);
    ExpectRect(TabFrameRect(kControl, m), 70, 20, 410, 320);
}

TEST(TabGeometry, FramePosOverridesTheHeaderSize)
{
    TabMetrics m = Top();
    m.framePos = 30;
    ExpectRect(TabFrameRect(kControl, m), 10, 50, 410, 320);
    m.framePos = 1000;  // never past the far edge
    ExpectRect(TabFrameRect(kControl, m), 10, 320, 410, 320);
}

TEST(TabGeometry, PointsFindTheirHeaderSlot)
{
    TabMetrics m = Top();
    EXPECT_EQ(0, TabSlotAt(kControl, m, 3, 15, 20));
    EXPECT_EQ(0, TabSlotAt(kControl, m, 3, 74, 44));
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 3, 76, 30));  // in the gap
    EXPECT_EQ(1, TabSlotAt(kControl, m, 3, 78, 30));
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 2, 15 + 2 * 63, 30));  // only two slots
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 3, 20, 45));            // below the row
}

TEST(TabGeometry, SelectionFallsBackToTheFirstPage)
{
    EXPECT_EQ(2, ClampTabSelection(2, 3));
    EXPECT_EQ(0, ClampTabSelection(3, 3));
    EXPECT_EQ(0, ClampTabSelection(-1, 3));
    EXPECT_EQ(-1, ClampTabSelection(0, 0));
}

TEST(TabGeometry, AbsurdSizesStayInsideTheIntegerRange)
{
    TabMetrics m;
    m.tabWidth = INT32_MAX;
    m.tabHeight = INT32_MAX;
    m.tabSpacing = INT32_MAX;
    m.tabPos = INT32_MAX;
    ElementRect r = TabHeaderRect(kControl, m, 1000);
    EXPECT_EQ(INT32_MAX, r.left);
    EXPECT_EQ(INT32_MAX, r.right);
    EXPECT_EQ(-1, TabSlotAt(kControl, m, 1000, 5, 5));
}
