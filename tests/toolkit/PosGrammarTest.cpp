// The pos grammar: items with "|" (centre), "-" (far edge) and "_" (a
// negative offset), two or four of them, and placement by size mode.
#include <gtest/gtest.h>

#include "toolkit/Placement.h"
#include "toolkit/PosGrammar.h"

namespace {
PosList Parse(const std::string& text)
{
    PosList pos;
    EXPECT_TRUE(ParsePos(text, &pos));
    return pos;
}
}  // namespace

TEST(ParsePos, PrefixesAndItemCounts)
{
    PosList pos = Parse("|-50,_5,-0,|0");
    ASSERT_EQ(4, pos.count);
    EXPECT_TRUE(pos.items[0].centre && pos.items[0].farEdge);
    EXPECT_EQ(50, pos.items[0].value);
    EXPECT_FALSE(pos.items[1].centre || pos.items[1].farEdge);
    EXPECT_EQ(-5, pos.items[1].value);
    EXPECT_TRUE(pos.items[2].farEdge && !pos.items[2].centre);
    EXPECT_TRUE(pos.items[3].centre && !pos.items[3].farEdge);
    // Two or four items; a trailing comma starts an empty third; five use the first four.
    const struct {
        const char* text;
        int count;
    } counts[] = {{"10,20", 2}, {"1,2,3,4", 4}, {"10", 0}, {"1,2,3", 0}, {"1,2,", 0}, {"1,2,3,4,5", 4}};
    for (const auto& c : counts)
        EXPECT_EQ(c.count, Parse(c.text).count) << c.text;
    EXPECT_EQ(4, Parse("1,2,3,4,5").items[3].value);
    pos = Parse("7,8");
    EXPECT_FALSE(ParsePos("", &pos));  // an empty value changes nothing
    EXPECT_EQ(8, pos.items[1].value);
    ASSERT_TRUE(ParsePos("1,2,3", &pos));  // a dropped list clears the earlier items
    EXPECT_EQ(0, pos.items[0].value);
}

TEST(ResolvePos, ItemsCornersAndBoxes)
{
    const struct {
        const char* item;
        int32_t at;
    } items[] = {{"5", 15}, {"-0", 390}, {"-36", 354}, {"|0", 200}, {"|-50", 150}, {"|50", 250}, {"_5", 5}};
    for (const auto& i : items)
        EXPECT_EQ(i.at, ResolvePosItem(ParsePosItem(i.item), 10, 380)) << i.item;
    EXPECT_EQ(3, ResolvePosItem(ParsePosItem("|0"), 0, 7));  // odd spans halve toward zero
    EXPECT_EQ(-3, ResolvePosItem(ParsePosItem("|0"), 0, -7));
    int32_t w = 0, h = 0;
    MeasureByPos(Parse("-36,1,-1,36"), 380, 225, &w, &h);
    EXPECT_EQ(35, w);
    EXPECT_EQ(35, h);
    ElementRect span{5, 7, 385, 217};
    int32_t x = 0, y = 0;
    ChildCorner(Parse("-36,1"), span, &x, &y);
    EXPECT_EQ(349, x);
    EXPECT_EQ(8, y);
    ChildCorner(Parse("1,2,3"), span, &x, &y);  // no usable pos: the span's origin
    EXPECT_EQ(5, x);
    EXPECT_EQ(7, y);
}

TEST(PlaceRect, SizeModesMarginsAndNegativeOffers)
{
    int32_t fixed = -1;
    EXPECT_EQ(SizeFull, SizeModeFromAttribute(true, "full", &fixed));
    EXPECT_EQ(SizeFixed, SizeModeFromAttribute(true, "120", &fixed));
    EXPECT_EQ(120, fixed);
    EXPECT_EQ(SizeContent, SizeModeFromAttribute(true, "0", &fixed));
    EXPECT_EQ(SizeContent, SizeModeFromAttribute(true, "Full", &fixed));
    EXPECT_EQ(SizeContent, SizeModeFromAttribute(false, "", &fixed));

    PlacementInput in;
    in.x = 10, in.y = 20, in.cx = 300, in.cy = 200;
    in.measuredWidth = 40, in.measuredHeight = 16, in.fixedWidth = 77, in.fixedHeight = 33;
    in.layoutFlags = WithHeightMode(WithWidthMode(0, SizeContent), SizeContent);
    ElementRect r = PlaceRect(in);
    EXPECT_EQ((std::vector<int32_t>{10, 20, 50, 36}), (std::vector<int32_t>{r.left, r.top, r.right, r.bottom}));
    in.layoutFlags = WithHeightMode(WithWidthMode(0, SizeFull), SizeFixed);
    r = PlaceRect(in);
    EXPECT_EQ(310, r.right);
    EXPECT_EQ(53, r.bottom);
    in.cx = -50;  // a full element never turns inside out
    EXPECT_EQ(10, PlaceRect(in).right);
    r = ShrinkRect(ElementRect{0, 0, 100, 50}, 4, 3);
    EXPECT_EQ((std::vector<int32_t>{4, 3, 96, 47}), (std::vector<int32_t>{r.left, r.top, r.right, r.bottom}));
}
