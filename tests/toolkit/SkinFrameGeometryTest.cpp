// Nine-part frame arithmetic, against the program's window frame.
#include <gtest/gtest.h>

#include <climits>

#include "toolkit/skins/FrameGeometry.h"
#include "toolkit/skins/SkinWords.h"

namespace {

const FramePiece* Find(const FrameLayout& layout, FramePieceKind kind)
{
    for (const FramePiece& p : layout.pieces)
        if (p.kind == kind)
            return &p;
    return nullptr;
}

void ExpectPiece(const FrameLayout& layout, FramePieceKind kind, PieceRect dest, PieceRect src, bool stretch,
                 const char* what)
{
    const FramePiece* p = Find(layout, kind);
    ASSERT_NE(nullptr, p) << what;
    EXPECT_EQ(dest, p->dest) << what << ": dest " << p->dest.x << "," << p->dest.y << " " << p->dest.w << "x"
                             << p->dest.h;
    EXPECT_EQ(src, p->src) << what << ": src " << p->src.x << "," << p->src.y << " " << p->src.w << "x" << p->src.h;
    EXPECT_EQ(stretch, p->stretch) << what;
}

// "BackGround": a 3 x 82 bitmap cut at column 1 and row 35.
FrameLayout WindowFrame(uint32_t part, ElementRect target)
{
    return LayoutFrame(3, 82, 1, 35, part, target);
}

}  // namespace

TEST(FrameGeometry, WindowFrameOn400By300)
{
    FrameLayout f = WindowFrame(kFramePartAll, ElementRect{0, 0, 400, 300});
    EXPECT_EQ(1, f.inner.left);
    EXPECT_EQ(35, f.inner.top);
    EXPECT_EQ(399, f.inner.right);
    EXPECT_EQ(254, f.inner.bottom);
    EXPECT_EQ(8u, f.pieces.size());

    ExpectPiece(f, FramePieceKind::TopLeft, {0, 0, 1, 35}, {0, 0, 1, 35}, false, "top-left");
    ExpectPiece(f, FramePieceKind::TopRight, {399, 0, 1, 35}, {2, 0, 1, 35}, false, "top-right");
    ExpectPiece(f, FramePieceKind::BottomLeft, {0, 254, 1, 46}, {0, 36, 1, 46}, false, "bottom-left");
    ExpectPiece(f, FramePieceKind::BottomRight, {399, 254, 1, 46}, {2, 36, 1, 46}, false, "bottom-right");
    ExpectPiece(f, FramePieceKind::TopEdge, {1, 0, 398, 35}, {1, 0, 1, 35}, true, "top band");
    ExpectPiece(f, FramePieceKind::LeftEdge, {0, 35, 1, 219}, {0, 35, 1, 1}, true, "left column");
    ExpectPiece(f, FramePieceKind::BottomEdge, {1, 254, 398, 46}, {1, 36, 1, 46}, true, "bottom band");
    ExpectPiece(f, FramePieceKind::RightEdge, {399, 35, 1, 219}, {2, 35, 1, 1}, true, "right column");
}

TEST(FrameGeometry, PartsChooseEdgesAndCorners)
{
    const ElementRect r{0, 0, 100, 200};
    struct Case {
        const char* word;
        bool top, bottom, left, right;
    } cases[] = {
        {"all", true, true, true, true},    {"top", true, false, true, true},
        {"middle", false, false, true, true}, {"bottom", false, true, true, true},
        {"left", true, true, true, false},  {"center", true, true, false, false},
        {"right", true, true, false, true},
    };
    for (const Case& c : cases) {
        uint32_t part = 0;
        ASSERT_TRUE(ParseFramePart(c.word, &part)) << c.word;
        FrameLayout f = WindowFrame(part, r);
        EXPECT_EQ(c.top, Find(f, FramePieceKind::TopEdge) != nullptr) << c.word;
        EXPECT_EQ(c.bottom, Find(f, FramePieceKind::BottomEdge) != nullptr) << c.word;
        EXPECT_EQ(c.left, Find(f, FramePieceKind::LeftEdge) != nullptr) << c.word;
        EXPECT_EQ(c.right, Find(f, FramePieceKind::RightEdge) != nullptr) << c.word;
        EXPECT_EQ(c.top && c.left, Find(f, FramePieceKind::TopLeft) != nullptr) << c.word;
        EXPECT_EQ(c.top && c.right, Find(f, FramePieceKind::TopRight) != nullptr) << c.word;
        EXPECT_EQ(c.bottom && c.left, Find(f, FramePieceKind::BottomLeft) != nullptr) << c.word;
        EXPECT_EQ(c.bottom && c.right, Find(f, FramePieceKind::BottomRight) != nullptr) << c.word;
        // The inside moves in only at the edges that are drawn.
        EXPECT_EQ(c.left ? 1 : 0, f.inner.left) << c.word;
        EXPECT_EQ(c.top ? 35 : 0, f.inner.top) << c.word;
        EXPECT_EQ(c.right ? 99 : 100, f.inner.right) << c.word;
        EXPECT_EQ(c.bottom ? 154 : 200, f.inner.bottom) << c.word;
    }
}

TEST(FrameGeometry, CutsOutsideTheImageGiveNoNegativePiece)
{
    // left beyond the bitmap: the right column would be -3 wide.
    FrameLayout f = LayoutFrame(3, 82, 5, 35, kFramePartAll, ElementRect{0, 0, 400, 300});
    EXPECT_EQ(nullptr, Find(f, FramePieceKind::RightEdge));
    EXPECT_EQ(nullptr, Find(f, FramePieceKind::TopRight));
    const FramePiece* top = Find(f, FramePieceKind::TopEdge);
    ASSERT_NE(nullptr, top);
    EXPECT_FALSE(SourceInside(top->src, 3, 82));

    // Negative cuts and an empty image.
    for (const FramePiece& p : LayoutFrame(3, 82, -4, -9, kFramePartAll, ElementRect{0, 0, 40, 30}).pieces) {
        EXPECT_FALSE(p.dest.Empty());
        EXPECT_FALSE(p.src.Empty());
    }
    EXPECT_TRUE(LayoutFrame(0, 0, 0, 0, kFramePartAll, ElementRect{0, 0, 40, 30}).pieces.empty());
}

