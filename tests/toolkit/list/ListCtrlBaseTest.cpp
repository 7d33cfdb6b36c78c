// The row model: counts, total heights, row heights and bottoms, records
// and their elements, selection and hover indices.
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/list/ISUFListCtrlBase.h"

namespace {

class Model : public ISUFListCtrlBase {
public:
    Model(int32_t h, int32_t s)
    {
        SetItemHeight(h);
        SetItemSpace(s);
    }
};

// Counts its own destruction, to see that records own their elements.
class Tracked : public CBkObject {
public:
    explicit Tracked(int* alive) : alive_(alive) { ++*alive_; }
    ~Tracked() override { --*alive_; }
    const char* GetClassName() const override { return "tracked"; }

private:
    int* alive_;
};

std::unique_ptr<ListRowRecord> Record(int32_t height, CBkObject* element = nullptr)
{
    auto r = std::make_unique<ListRowRecord>();
    r->height = height;
    r->element.reset(element);
    return r;
}

TEST(ListCtrlBase, HeightsAddUpWithTheSpaceBetweenRowsOnly)
{
    Model counted(35, 2);
    counted.SetItemCount(3);
    EXPECT_EQ(109, counted.GetTotalHeight());
    counted.SetItemCount(-4);
    EXPECT_EQ(0, counted.GetItemCount());
    Model m(35, 2);
    m.AppendItem(Record(0));
    EXPECT_EQ(35, m.GetTotalHeight()) << "no space before the first row";
    m.AppendItem(Record(0));
    m.AppendItem(Record(50));
    EXPECT_EQ(35, m.GetItemHeightAt(1)) << "height 0 takes the default";
    EXPECT_EQ(37 + 37 + 52, m.GetItemBottom(2));
    m.InsertItem(1, Record(30));
    EXPECT_EQ(35 + 32 + 37 + 52, m.GetTotalHeight());
    std::unique_ptr<ListRowRecord> back = m.RemoveItem(1);
    ASSERT_NE(nullptr, back);
    EXPECT_EQ(30, back->height);
    EXPECT_EQ(35 + 37 + 52, m.GetTotalHeight());
    EXPECT_EQ(nullptr, m.RemoveItem(3));
    EXPECT_EQ(nullptr, m.RemoveItem(-1));
    m.InsertItem(99, Record(0));  // past the end appends
    EXPECT_EQ(4, m.GetItemCount());
    EXPECT_EQ(0, m.GetItemHeightAt(4));
    EXPECT_EQ(0, m.GetItemBottom(-1));
}

TEST(ListCtrlBase, OutOfRangeIndicesAreIgnoredAndThePlainPositionIsNeverAtABoundary)
{
    Model m(35, 0);
    m.SetItemCount(4);
    m.SetHoverIndex(2);
    m.SetHoverIndex(4);
    EXPECT_EQ(2, m.GetHoverIndex());
    m.SetHoverIndex(-2);
    EXPECT_EQ(2, m.GetHoverIndex());
    m.SetSelectedIndex(3);
    m.SetSelectedIndex(9);  // clears, selects nothing
    EXPECT_EQ(-1, m.GetSelectedIndex());
    m.AddSelectedIndex(1);
    m.AddSelectedIndex(0);
    m.AddSelectedIndex(4);
    EXPECT_EQ(1, m.GetSelectedIndex());
    EXPECT_EQ(2u, m.SelectedRows().size());

    m.SetItemCount(10);
    m.SetScrollPos(70);
    EXPECT_FALSE(m.IsScrollAtRowBoundary());
    m.ScrollToEnd();
    EXPECT_EQ(70, m.GetScrollPos());
    m.ScrollToTop();
    EXPECT_EQ(0, m.GetScrollPos());
}

}  // namespace
