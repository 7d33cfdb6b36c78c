// Cell offsets, copy clipping and stretch sources of the skins.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "toolkit/skins/SkinPiece.h"
#include "toolkit/skins/SkinWords.h"

TEST(SkinWords, CellOffsets)
{
    EXPECT_EQ(0, CellOffset(-1, 35));
    EXPECT_EQ(70, CellOffset(2, 35));
    EXPECT_EQ(int64_t{INT32_MAX} * 100, CellOffset(INT32_MAX, 100));
}

TEST(ClipCopy, CutsAtEveryImageEdgeOrLeavesNothing)
{
    const struct {
        PieceRect dest, src;
        int32_t w, h;
        bool left;
        PieceRect clippedDest, clippedSrc;
    } cases[] = {
        {{10, 20, 5, 6}, {1, 2, 5, 6}, 20, 20, true, {10, 20, 5, 6}, {1, 2, 5, 6}},  // inside: unchanged
        {{10, 20, 5, 6}, {-2, -3, 5, 6}, 20, 20, true, {12, 23, 3, 3}, {0, 0, 3, 3}},
        {{0, 0, 10, 10}, {95, 8, 10, 10}, 100, 10, true, {0, 0, 5, 2}, {95, 8, 5, 2}},
        {{0, 0, 35, 35}, {105, 0, 35, 35}, 105, 35, false, {}, {}},
        {{0, 0, 35, 35}, {INT32_MIN, 0, 35, 35}, 105, 35, false, {}, {}},
        {{0, 0, -3, 35}, {0, 0, 35, 35}, 105, 35, false, {}, {}},
        {{0, 0, 3, 3}, {0, 0, 3, 3}, 0, 0, false, {}, {}},
    };
    for (const auto& c : cases) {
        PieceRect dest = c.dest, src = c.src;
        ASSERT_EQ(c.left, ClipCopy(&dest, &src, c.w, c.h)) << c.src.x << "," << c.src.y;
        if (c.left) {
            EXPECT_EQ(c.clippedDest, dest);
            EXPECT_EQ(c.clippedSrc, src);
        }
    }
}

TEST(StretchSource, WholeSourcesOnly)
{
    EXPECT_TRUE(SourceInside({1, 0, 1, 35}, 3, 82) && SourceInside({0, 0, 3, 82}, 3, 82));
    for (PieceRect r : {PieceRect{2, 0, 2, 35}, PieceRect{-1, 0, 1, 35}, PieceRect{0, 0, 0, 35},
                        PieceRect{INT32_MAX, 0, INT32_MAX, 1}})
        EXPECT_FALSE(SourceInside(r, 3, 82)) << r.x << "," << r.w;
}
