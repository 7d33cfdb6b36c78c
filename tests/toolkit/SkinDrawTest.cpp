// Skins drawn into memory bitmaps and checked pixel by pixel, with the
// program's own skins document and images.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "MemoryCanvas.h"
#include "toolkit/ElementTypes.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/skins/BkImageSkin.h"
#include "toolkit/skins/SkinPool.h"

using Canvas = pixel_test::MemoryCanvas;
using pixel_test::Hex;
using pixel_test::Near;
const uint32_t kBlank = Canvas::kBlank;

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
constexpr uint32_t kBand = 0xF2F4F5;

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

// A skins document of the test's own, for kinds the program does not use.
class OwnSkins : public ::testing::Test {
protected:
    void Load(const char* text) { ASSERT_TRUE(pool.LoadDocument(text)); }
    void Draw(Canvas& canvas, const char* name, RECT rect, int32_t state)
    {
        CBkSkinBase* skin = pool.GetSkin(name);
        ASSERT_NE(nullptr, skin) << name;
        skin->Draw(canvas.Dc(), rect, state);
    }
    SkinPool pool;
};

}  // namespace

namespace {
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

TEST_F(OwnSkins, ImageListsDrawTheWholeBitmapOrOneCellAndMaskTheirColour)
{
    Load("<skins><imglst name=plain src=73/><imglst name=cells src=73 subwidth=1/>"
         "<imglst name=negative src=73 subwidth=-1/><imglst name=masked src=73 mode=mask maskcolor=F7F9FA/>"
         "<imgframe name=frame src=73 left=1 top=35 mode=mask maskcolor=B9C7CE/></skins>");
    Canvas c(10, 90);
    Draw(c, "plain", RECT{1, 2, 9, 20}, 0);
    EXPECT_EQ(0, c.Changed(0, 0, 10, 90)) << "state 0 is no cell of a plain list";
    Draw(c, "plain", RECT{1, 2, 9, 20}, -1);  // the whole bitmap at natural size
    ExpectPixels(c, {{1, 2, kBorder}, {2, 3, kPanel}, {2, 37, kWhite}, {3, 83, kBorder}});
    EXPECT_EQ(3 * 82, c.Changed(0, 0, 10, 90));
    EXPECT_TRUE(pool.GetSkin("plain")->IgnoreState());
    EXPECT_FALSE(pool.GetSkin("cells")->IgnoreState());
    Canvas d(10, 90);
    Draw(d, "cells", RECT{0, 0, 10, 90}, 1);
    EXPECT_PIXEL(d, 0, 10, kPanel);
    EXPECT_EQ(82, d.Changed(0, 0, 10, 90));
    for (int32_t state : {3, -2})
        Draw(d, "cells", RECT{0, 0, 10, 90}, state);
    Draw(d, "negative", RECT{0, 0, 10, 90}, 1);
    EXPECT_EQ(82, d.Changed(0, 0, 10, 90)) << "beyond, before the strip, or a negative cell width";
    Draw(d, "negative", RECT{5, 0, 10, 90}, -1);
    EXPECT_EQ(82 + 3 * 82, d.Changed(0, 0, 10, 90));

    Canvas m(10, 90);
    Draw(m, "masked", RECT{0, 0, 10, 90}, -1);
    ExpectPixels(m, {{0, 10, kBorder}, {1, 10, kBlank}, {1, 35, kWhite}, {1, 34, kLineSoft}});
    Canvas f(60, 100);  // stretched through the mask: the border columns disappear
    Draw(f, "frame", RECT{0, 0, 60, 100}, 0);
    ExpectPixels(f, {{0, 50, kBlank}, {59, 50, kBlank}, {30, 0, kBlank}, {30, 10, kPanel}, {30, 34, kLineSoft},
                     {30, 50, kBlank} /* no "crbg": the inside is left alone */});
}

TEST_F(OwnSkins, HorizontalStretchKeepsTheBitmapsHeight)
{
    Load("<skins><imghorzex name=bar src=73 left=1/></skins>");
    Canvas c(60, 90);
    Draw(c, "bar", RECT{5, 0, 55, 10}, 0);
    ExpectPixels(c, {{5, 10, kBorder}, {6, 10, kPanel}, {53, 10, kPanel}, {54, 10, kBorder}, {30, 81, kBorder}});
    EXPECT_EQ(50 * 82, c.Changed(0, 0, 60, 90));
    EXPECT_EQ(82, pool.GetSkin("bar")->GetSkinSize().cy);
}

TEST_F(OwnSkins, GradientsRunEitherWayAndHoldTheEndColourPastTheirSize)
{
    Load("<skins><gradation name=h from=000000 to=FFFFFF/>"
         "<gradation name=v from=FF0000 to=0000FF direction=vert size=50/>"
         "<gradation name=bad from=00FF00 to=00FF00 direction=diagonal/></skins>");
    Canvas c(256, 100);
    Draw(c, "h", RECT{0, 0, 256, 10}, 0);
    ExpectPixels(c, {{0, 5, 0x000000}, {255, 5, 0xFFFFFF}, {128, 5, 0x808080}}, 3);
    EXPECT_LT(c.At(60, 5) & 0xFF, c.At(70, 5) & 0xFF);
    Draw(c, "v", RECT{0, 20, 10, 100}, 0);
    ExpectPixels(c, {{5, 20, 0xFF0000}, {5, 45, 0x800080}}, 6);
    ExpectPixels(c, {{5, 70, 0x0000FF}, {5, 99, 0x0000FF}, {11, 50, kBlank}});
    EXPECT_EQ(kAttrNotRecognised, pool.GetSkin("bad")->SetAttribute("direction", "diagonal", false));
    Canvas g(30, 30);
    Draw(g, "bad", RECT{0, 0, 30, 30}, 0);  // an unknown direction stays horizontal
    EXPECT_PIXEL(g, 15, 15, 0x00FF00);
}

TEST_F(OwnSkins, ButtonColoursByStateAndDisabledShowsOnlyBackgroundAndBorder)
{
    Load("<skins><button name=b bg=FF0000 border=0000FF bgup=00FF00 bgdown=008000"
         " bguphover=FFFF00 bgdownhover=808000 bguppush=00FFFF bgdownpush=008080/><button name=grey/></skins>");
    const RECT r = {0, 0, 40, 24};
    Canvas c(40, 24);
    Draw(c, "b", r, 0);
    ExpectPixels(c, {{0, 0, 0x0000FF}, {39, 23, 0x0000FF}, {1, 1, 0xFF0000}, {38, 12, 0xFF0000}});
    ExpectPixels(c, {{20, 2, 0x00FF00}, {20, 21, 0x008000}}, 12);
    Draw(c, "b", r, StateHover);
    EXPECT_PIXEL_NEAR(c, 20, 2, 0xFFFF00, 12);
    Draw(c, "b", r, StateHover | StatePushDown);
    ExpectPixels(c, {{20, 2, 0x00FFFF}, {20, 21, 0x008080}}, 12);
    Draw(c, "b", r, StateDisabled | StateHover);
    ExpectPixels(c, {{20, 2, 0xFF0000}, {20, 12, 0xFF0000}, {0, 12, 0x0000FF}});
    Draw(c, "grey", r, 0);  // the defaults are greys
    ExpectPixels(c, {{0, 0, 0x707070}, {1, 1, 0xEEEEEE}});
    EXPECT_PIXEL_NEAR(c, 20, 21, 0xD6D6D6, 4);
}

TEST_F(OwnSkins, MissingImagesDrawNothing)
{
    Load("<skins><png name=p src=4242/><png name=cells src=4242 subwidth=10/>"
         "<pngvertex name=v src=4243 top=1/><imglst name=i src=4244/>"
         "<imgframe name=f src=4245 left=1 top=1 crbg=FF0000/><imghorzex name=h src=4246/>"
         "<png name=nosrc/><imglst name=huge src=99999999/><png name=negative src=-5/></skins>");
    EXPECT_EQ(9u, pool.Count());
    Canvas c(50, 50);
    for (const char* name : {"p", "cells", "v", "i", "f", "h", "nosrc", "huge", "negative"}) {
        for (int32_t state : {0, 1, -1})
            Draw(c, name, RECT{0, 0, 50, 50}, state);
        EXPECT_EQ(0, pool.GetSkin(name)->GetSkinSize().cy) << name;
    }
    EXPECT_EQ(0, c.Changed(0, 0, 50, 50));
    EXPECT_EQ(10, pool.GetSkin("cells")->GetSkinSize().cx) << "a failed strip keeps its cell width";
}

TEST(AlphaImage, BlendsByEachPixelsAlphaAndOnlyThirtyTwoBitBitmaps)
{
    // 2 x 1: an opaque red pixel and a half-transparent blue one.
    void* bits = nullptr;
    ScopedGdiObj<HBITMAP> bitmap(pixel_test::MakeDibSection(2, 1, 32, &bits));
    ASSERT_NE(nullptr, bits);
    static_cast<uint32_t*>(bits)[0] = 0xFFFF0000;
    static_cast<uint32_t*>(bits)[1] = 0x800000FF;
    CBkImageSkin skin;
    skin.SetBitmap(bitmap.Get());
    ASSERT_EQ(kAttrApplied, skin.SetAttribute("mode", "alpha", true));
    Canvas c(4, 2);
    skin.Draw(c.Dc(), RECT{1, 1, 4, 2}, -1);
    EXPECT_PIXEL(c, 1, 1, 0xFF0000);
    const uint32_t r = ((kBlank >> 16) * 127) / 255, g = (((kBlank >> 8) & 0xFF) * 127) / 255,
                   b = (0xFF * 128 + (kBlank & 0xFF) * 127) / 255;  // over the blank
    EXPECT_PIXEL(c, 2, 1, (r << 16) | (g << 8) | b);
    EXPECT_EQ(2, c.Changed(0, 0, 4, 2));
    skin.subwidth = 1;  // one cell of the strip
    Canvas d(4, 2);
    skin.Draw(d.Dc(), RECT{0, 0, 4, 2}, 1);
    EXPECT_PIXEL(d, 0, 0, (r << 16) | (g << 8) | b);
    EXPECT_EQ(1, d.Changed(0, 0, 4, 2));

    ScopedGdiObj<HBITMAP> rgb(pixel_test::MakeDibSection(4, 4, 24, &bits));
    CBkImageSkin opaque;
    opaque.SetBitmap(rgb.Get());
    opaque.mode = 2;
    Canvas e(8, 8);
    opaque.Draw(e.Dc(), RECT{0, 0, 8, 8}, -1);
    EXPECT_EQ(0, e.Changed(0, 0, 8, 8));
}

TEST(RandomSkins, DamagedDocumentsDrawSafely)
{
    // Documents of every kind with attribute values a damaged or careless
    // skins document could hold, drawn with odd rectangles and states.
    std::mt19937 random(4242);
    const char* tags[] = {"imglst", "imgframe", "button", "imghorzex", "gradation", "png", "pngvertex", "div"};
    const char* names[] = {"src", "subwidth", "mode", "maskcolor", "left", "top", "crbg", "part", "from",
                           "to", "direction", "size", "bg", "border", "bguppush"};
    const char* values[] = {"0", "1", "-1", "3", "15", "35", "73", "101", "1001", "1005", "1011", "1013",
                            "2147483647", "-2147483648", "99999999999", "mask", "alpha", "none", "vert", "all",
                            "center", "FF00FF", "zz", "\"\"", "1e9", "-0"};
    auto any = [&](auto& table) { return table[random() % (sizeof(table) / sizeof(table[0]))]; };

    int drawn = 0;
    for (int doc = 0; doc < 8; ++doc) {
        std::string text = "<skins>";
        for (int i = 0; i < 40; ++i) {
            text += std::string("<") + any(tags) + " name=s" + std::to_string(i);
            std::vector<const char*> attrs(std::begin(names), std::end(names));
            std::shuffle(attrs.begin(), attrs.end(), random);
            for (int a = random() % 6; a > 0; --a)
                text += std::string(" ") + attrs[a] + "=" + any(values);
            text += "/>";
        }
        text += "</skins>";
        SkinPool pool;
        ASSERT_TRUE(pool.LoadDocument(text.c_str())) << text;
        Canvas c(64, 64);
        for (int i = 0; i < 40; ++i) {
            CBkSkinBase* skin = pool.GetSkin("s" + std::to_string(i));
            if (!skin)
                continue;
            for (int k = 0; k < 6; ++k) {
                const LONG l = static_cast<LONG>(random() % 100) - 20, t = static_cast<LONG>(random() % 100) - 20;
                const RECT r = {l, t, l + static_cast<LONG>(random() % 120) - 30, t + static_cast<LONG>(random() % 120) - 30};
                const int32_t states[] = {0, 1, 2, 3, 0x10, -1, 7, 1000, INT32_MIN};
                skin->Draw(c.Dc(), r, any(states));
            }
            skin->GetSkinSize();
            skin->IgnoreState();
            ++drawn;
        }
    }
    // Every tag but "div" makes a skin.
    EXPECT_GT(drawn, 8 * 40 / 2);
}
