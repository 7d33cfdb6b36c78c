// Vertical stretches and PNG cells against the program's skins, and every
// piece geometry under damaged input.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>

#include "toolkit/skins/FrameGeometry.h"
#include "toolkit/skins/SkinWords.h"
#include "toolkit/skins/StretchGeometry.h"

namespace {

void ExpectPiece(const SkinPiece& p, PieceRect dest, PieceRect src, const char* what)
{
    EXPECT_EQ(dest, p.dest) << what << ": dest " << p.dest.x << "," << p.dest.y << " " << p.dest.w << "x" << p.dest.h;
    EXPECT_EQ(src, p.src) << what << ": src " << p.src.x << "," << p.src.y << " " << p.src.w << "x" << p.src.h;
}

// "AppPackageSBarThumb": 45 x 5, three 15-pixel cells, top 1.
VertStretchLayout Thumb(int32_t state, ElementRect target)
{
    return LayoutVertStretch(45, 5, 15, 1, state, target);
}

}  // namespace

TEST(VertStretch, CellFollowsStateWithinTheStrip)
{
    const ElementRect r{30, 100, 50, 160};
    VertStretchLayout hover = Thumb(1, r);
    EXPECT_EQ(1, hover.cell);
    ASSERT_EQ(3u, hover.pieces.size());
    ExpectPiece(hover.pieces[0], {30, 100, 15, 1}, {15, 0, 15, 1}, "hover top");
    ExpectPiece(hover.pieces[2], {30, 158, 15, 2}, {15, 3, 15, 2}, "hover bottom");
    EXPECT_EQ(30, Thumb(2, r).pieces[1].src.x);
    // 3 * 15 is the strip's width: back to the first cell; -1 too.
    EXPECT_EQ(0, Thumb(3, r).cell);
    EXPECT_EQ(0, Thumb(-1, r).cell);
    EXPECT_EQ(0, Thumb(0x10, r).cell);
    EXPECT_EQ(0, Thumb(-1, r).pieces[0].src.x);
}

TEST(VertStretch, WithoutSubwidthDrawsTheWholeWidth)
{
    // "scroll": 15 x 3, top 3. The whole width in every state.
    for (int32_t state : {0, 1, 2, 3, -1}) {
        VertStretchLayout v = LayoutVertStretch(15, 3, 0, 3, state, ElementRect{0, 0, 15, 40});
        ASSERT_EQ(3u, v.pieces.size()) << state;
        for (const SkinPiece& p : v.pieces) {
            EXPECT_EQ(0, p.src.x) << state;
            EXPECT_EQ(15, p.src.w) << state;
            EXPECT_EQ(15, p.dest.w) << state;
        }
        ExpectPiece(v.pieces[0], {0, 0, 15, 3}, {0, 0, 15, 3}, "top");
        // A top as high as the image leaves a middle of -4 rows: the image
        // call mirrors it.
        ExpectPiece(v.pieces[1], {0, 3, 15, 33}, {0, 3, 15, -4}, "middle");
        ExpectPiece(v.pieces[2], {0, 36, 15, 4}, {0, -1, 15, 4}, "bottom");
    }
}

TEST(VertStretch, TrackWithTopZero)
{
    // "AppPackageSBarBG": 15 x 3, top 0: no top, two middle rows, last row.
    VertStretchLayout v = LayoutVertStretch(15, 3, 15, 0, 0, ElementRect{0, 0, 15, 100});
    ASSERT_EQ(2u, v.pieces.size());
    ExpectPiece(v.pieces[0], {0, 0, 15, 99}, {0, 0, 15, 2}, "middle");
    ExpectPiece(v.pieces[1], {0, 99, 15, 1}, {0, 2, 15, 1}, "bottom");
}

TEST(SkinGeometry, RandomInputsKeepEveryInvariant)
{
    // Values near the edges of the integer range, zero and small numbers,
    // as damaged skin attributes and layouts would give.
    std::mt19937 random(20261206);
    const int32_t edgeValues[] = {0, 1, -1, 2, 3, 35, 82, INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1, 1 << 30};
    auto pick = [&]() -> int32_t {
        if (random() % 3 == 0)
            return edgeValues[random() % (sizeof(edgeValues) / sizeof(edgeValues[0]))];
        return static_cast<int32_t>(random() % 200) - 50;
    };
    for (int round = 0; round < 20000; ++round) {
        const int32_t imageW = std::abs(pick() % 500), imageH = std::abs(pick() % 500);
        const ElementRect target{pick(), pick(), pick(), pick()};
        const int32_t subwidth = pick(), top = pick(), left = pick(), state = pick();

        for (const FramePiece& p : LayoutFrame(imageW, imageH, left, top, static_cast<uint32_t>(pick()), target).pieces)
            ASSERT_TRUE(!p.dest.Empty() && !p.src.Empty());
        for (const SkinPiece& p : LayoutHorzStretch(imageW, imageH, subwidth, left, target))
            ASSERT_TRUE(!p.dest.Empty() && !p.src.Empty());

        for (const SkinPiece& p : LayoutVertStretch(imageW, imageH, subwidth, top, state, target).pieces)
            ASSERT_FALSE(p.dest.Empty());
        PieceRect dest{pick(), pick(), pick(), pick()};
        PieceRect from{pick(), pick(), pick(), pick()};
        if (ClipCopy(&dest, &from, imageW, imageH)) {
            ASSERT_TRUE(SourceInside(from, imageW, imageH) && dest.w == from.w && dest.h == from.h);
        }
    }
}
