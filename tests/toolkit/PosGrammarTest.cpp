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

TEST(ParsePos, ItemPrefixes)
{
    PosList pos = Parse("|-50,_5,-0,|0");
    ASSERT_EQ(4, pos.count);
    EXPECT_TRUE(pos.items[0].centre);
    EXPECT_TRUE(pos.items[0].farEdge);
    EXPECT_EQ(50, pos.items[0].value);
    EXPECT_FALSE(pos.items[1].centre || pos.items[1].farEdge);
    EXPECT_EQ(-5, pos.items[1].value);
    EXPECT_TRUE(pos.items[2].farEdge);
    EXPECT_EQ(0, pos.items[2].value);
    EXPECT_TRUE(pos.items[3].centre);
    EXPECT_FALSE(pos.items[3].farEdge);
}

TEST(ParsePos, TwoOrFourItemsOnly)
{
    EXPECT_EQ(2, Parse("10,20").count);
    EXPECT_EQ(4, Parse("1,2,3,4").count);
    EXPECT_EQ(0, Parse("10").count);
    EXPECT_EQ(0, Parse("1,2,3").count);
    // A trailing comma starts a third, empty item.
    EXPECT_EQ(0, Parse("1,2,").count);
}

TEST(ParsePos, FiveItemsUseTheFirstFour)
{
    PosList pos = Parse("1,2,3,4,5");
    ASSERT_EQ(4, pos.count);
    EXPECT_EQ(4, pos.items[3].value);
}

TEST(ParsePos, DroppedListClearsEarlierItems)
{
    PosList pos = Parse("7,8");
    ASSERT_TRUE(ParsePos("1,2,3", &pos));
    EXPECT_EQ(0, pos.count);
    EXPECT_EQ(0, pos.items[0].value);
}

TEST(ParsePos, EmptyValueChangesNothing)
{
    PosList pos = Parse("7,8");
    EXPECT_FALSE(ParsePos("", &pos));
    EXPECT_EQ(2, pos.count);
    EXPECT_EQ(8, pos.items[1].value);
}

TEST(ResolvePosItem, AgainstASpan)
{
    auto at = [](const std::string& item) { return ResolvePosItem(ParsePosItem(item), 10, 380); };
    EXPECT_EQ(15, at("5"));
    EXPECT_EQ(390, at("-0"));
    EXPECT_EQ(354, at("-36"));
    EXPECT_EQ(200, at("|0"));
    EXPECT_EQ(150, at("|-50"));
    EXPECT_EQ(250, at("|50"));
    EXPECT_EQ(5, at("_5"));
}

TEST(ResolvePosItem, OddSpanHalvesTowardZero)
{
    EXPECT_EQ(3, ResolvePosItem(ParsePosItem("|0"), 0, 7));
    EXPECT_EQ(-3, ResolvePosItem(ParsePosItem("|0"), 0, -7));
}

TEST(MeasureByPos, FourItemsGiveTheBoxBetweenTheCorners)
{
    int32_t w = 0, h = 0;
    MeasureByPos(Parse("-36,1,-1,36"), 380, 225, &w, &h);
    EXPECT_EQ(35, w);
    EXPECT_EQ(35, h);
    MeasureByPos(Parse("0,0,-0,-0"), 380, 225, &w, &h);
    EXPECT_EQ(380, w);
    EXPECT_EQ(225, h);
}

TEST(SizeModeFromAttribute, FullFixedOrContent)
{
    int32_t fixed = -1;
    EXPECT_EQ(SizeFull, SizeModeFromAttribute(true, "full", &fixed));
    EXPECT_EQ(0, fixed);
    EXPECT_EQ(SizeFixed, SizeModeFromAttribute(true, "120", &fixed));
    EXPECT_EQ(120, fixed);
    EXPECT_EQ(SizeContent, SizeModeFromAttribute(true, "0", &fixed));
    EXPECT_EQ(SizeContent, SizeModeFromAttribute(true, "Full", &fixed));
    EXPECT_EQ(SizeContent, SizeModeFromAttribute(false, "", &fixed));
}

TEST(ChildCorner, ResolvesInsideTheSpanOrSitsAtItsOrigin)
{
    ElementRect span{5, 7, 385, 217};
    int32_t x = 0, y = 0;
    ChildCorner(Parse("-36,1"), span, &x, &y);
    EXPECT_EQ(349, x);
    EXPECT_EQ(8, y);
    ChildCorner(Parse("1,2,3"), span, &x, &y);
    EXPECT_EQ(5, x);
    EXPECT_EQ(7, y);
}

TEST(PlaceRect, ContentTakesTheMeasuredSize)
{
    PlacementInput in;
    in.x = 10; in.y = 20; in.cx = 300; in.cy = 200;
    in.measuredWidth = 40; in.measuredHeight = 16;
    in.layoutFlags = WithHeightMode(WithWidthMode(0, SizeContent), SizeContent);
    ElementRect r = PlaceRect(in);
    EXPECT_EQ(10, r.left); EXPECT_EQ(20, r.top); EXPECT_EQ(50, r.right); EXPECT_EQ(36, r.bottom);
}

TEST(PlaceRect, FullFillsTheOfferAndFixedUsesItsSize)
{
    PlacementInput in;
    in.x = 10; in.y = 20; in.cx = 300; in.cy = 200;
    in.measuredWidth = 40; in.measuredHeight = 16;
    in.fixedWidth = 77; in.fixedHeight = 33;
    in.layoutFlags = WithHeightMode(WithWidthMode(0, SizeFull), SizeFixed);
    ElementRect r = PlaceRect(in);
    EXPECT_EQ(310, r.right);
    EXPECT_EQ(53, r.bottom);
    // A negative offer never makes a full element turn inside out.
    in.cx = -50;
    EXPECT_EQ(10, PlaceRect(in).right);
}

TEST(ShrinkRect, MarginsOnBothSides)
{
    ElementRect r = ShrinkRect(ElementRect{0, 0, 100, 50}, 4, 3);
    EXPECT_EQ(4, r.left); EXPECT_EQ(3, r.top); EXPECT_EQ(96, r.right); EXPECT_EQ(47, r.bottom);
}
