// Skins drawn into memory bitmaps and checked pixel by pixel, with the
// program's own skins document and images.
#include <gtest/gtest.h>

#include <initializer_list>

#include "MemoryCanvas.h"
#include "toolkit/ElementTypes.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/skins/SkinPool.h"

using Canvas = pixel_test::MemoryCanvas;
using pixel_test::Hex;
using pixel_test::Near;

namespace {

// Colours of the program's images (app/res/draw_images.py).
constexpr uint32_t kBorder = 0xB9C7CE;
constexpr uint32_t kPanel = 0xF7F9FA;
constexpr uint32_t kLineSoft = 0xE1E7EA;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBrand = 0x0A7BD1;
constexpr uint32_t kBrandHover = 0x2E93E0;
constexpr uint32_t kBrandPress = 0x0863A9;
constexpr uint32_t kDisabled = 0xDCE1E4;
constexpr uint32_t kThumb[3] = {0xC9D3D9, 0xA8B6BF, 0x8898A3};

// GDI+ may round a channel when it blends.
constexpr int kPngTolerance = 3;

class ProgramSkins : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(LoadSkins(100)); }

    static void Draw(Canvas& canvas, const char* name, RECT rect, int32_t state)
    {
        CBkSkinBase* skin = SkinPool::Instance().GetSkin(name);
        ASSERT_NE(nullptr, skin) << name;
        skin->Draw(canvas.Dc(), rect, state);
    }
};

struct Pixel {
    int x, y;
    uint32_t rgb;
};
void ExpectPixels(const Canvas& c, std::initializer_list<Pixel> pixels, int tolerance = 0)
{
    for (const Pixel& p : pixels)
        EXPECT_PIXEL_NEAR(c, p.x, p.y, p.rgb, tolerance);
}
}  // namespace

TEST_F(ProgramSkins, WindowFrameOn400By300)
{
    Canvas c(402, 302);
    const RECT r = {1, 1, 401, 301};
    Draw(c, "BackGround", r, 0);
    EXPECT_EQ(0, c.ChangedOutside(r));
    // Corners and bands from the image, side columns stretched over the
    // rows between, the inside filled white.
    ExpectPixels(c, {{1, 1, kBorder},     {400, 1, kBorder},     {2, 2, kPanel},       {399, 34, kPanel},
                     {200, 35, kLineSoft}, {1, 150, kBorder},     {400, 254, kBorder},  {2, 36, kWhite},
                     {399, 254, kWhite},   {200, 255, kLineSoft}, {200, 256, kPanel},   {200, 300, kBorder},
                     {400, 300, kBorder}});
}

TEST_F(ProgramSkins, PngCellsByStateAtTheirNaturalSize)
{
    const uint32_t colours[] = {kBrand, kBrandHover, kBrandPress, kDisabled};
    for (int32_t state = 0; state < 4; ++state) {
        Canvas c(220, 40);
        Draw(c, "Installationbtn", RECT{5, 4, 215, 36}, state);
        ExpectPixels(c, {{55, 19, colours[state]}, {10, 8, colours[state]}}, kPngTolerance);
        EXPECT_EQ(0, c.Changed(105, 0, 220, 40) + c.Changed(0, 35, 220, 40)) << "one 100 x 31 cell";
    }
    Canvas beyond(220, 40);
    for (int32_t state : {4, 0x10, -1, 0x7FFFFFFF})
        Draw(beyond, "Installationbtn", RECT{0, 0, 220, 40}, state);
    EXPECT_EQ(0, beyond.Changed(0, 0, 220, 40)) << "no cell beyond the strip";
    Canvas icon(60, 60);
    Draw(icon, "DefaultIco", RECT{2, 3, 10, 10}, 0);  // 48 x 48 whatever the target
    EXPECT_PIXEL_NEAR(icon, 2 + 24, 3 + 44, 0x8CBF3F, kPngTolerance);
    EXPECT_EQ(0, icon.Changed(50, 0, 60, 60) + icon.Changed(0, 51, 60, 60));
}

TEST_F(ProgramSkins, ThumbStretchOn15By40)
{
    Canvas c(20, 44);
    const RECT r = {0, 2, 15, 42};
    Draw(c, "AppPackageSBarThumb", r, 0);
    EXPECT_EQ(0, c.ChangedOutside(r));
    // Column 4 is faint in image rows 0 and 4 only: one row at the top,
    // rows 1 and 2 over 37 rows, rows 3 and 4 as the last two.
    EXPECT_FALSE(Near(c.At(4, 2), kThumb[0], 20)) << Hex(c.At(4, 2));
    for (int y = 3; y < 41; ++y)
        EXPECT_PIXEL_NEAR(c, 4, y, kThumb[0], kPngTolerance);
    EXPECT_FALSE(Near(c.At(4, 41), kThumb[0], 20)) << Hex(c.At(4, 41));
    EXPECT_EQ(0, c.Changed(0, 0, 4, 44) + c.Changed(11, 0, 20, 44)) << "transparent beside the bar";
}
