// The skin pool, the skins document, the image pools, and how the element
// tree reaches skins by name.
#include <gtest/gtest.h>

#include <string>

#include "ElementTestSupport.h"
#include "SkinTestSupport.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/skins/BkBmpPool.h"
#include "toolkit/skins/BkImageSkin.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/BkPngSkin.h"
#include "toolkit/skins/BkSkinButton.h"
#include "toolkit/skins/BkSkinGradation.h"
#include "toolkit/skins/BkSkinImgFrame.h"
#include "toolkit/skins/BkSkinImgHorzExtend.h"
#include "toolkit/skins/BkSkinPngVertExtend.h"
#include "toolkit/skins/SkinFactory.h"
#include "toolkit/skins/SkinPool.h"

namespace {

template <typename T>
T* SkinAs(const SkinPool& pool, const char* name, const char* tag)
{
    CBkSkinBase* skin = pool.GetSkin(name);
    if (!skin || std::string(skin->GetClassName()) != tag)
        return nullptr;
    return static_cast<T*>(skin);
}

}  // namespace

TEST(ProgramSkinsDocument, ElementsReachTheSkinsByName)
{
    ASSERT_TRUE(LoadSkins(100));
    EXPECT_EQ(&SkinPool::Instance(), ElementSkins());
    EXPECT_TRUE(SkinDependsOnState("Installationbtn"));
    EXPECT_FALSE(SkinDependsOnState("ConnectDevice"));
    EXPECT_FALSE(SkinDependsOnState("BackGround"));
    EXPECT_FALSE(SkinDependsOnState("nosuchskin"));

    skin_test::Canvas c(120, 40);
    EXPECT_TRUE(DrawSkinByName(c.Dc(), "Installationbtn", RECT{0, 0, 120, 40}, StateHover));
    EXPECT_PIXEL_NEAR(c, 50, 15, 0x2E93E0, 3);
    skin_test::Canvas d(20, 20);
    EXPECT_FALSE(DrawSkinByName(d.Dc(), "nosuchskin", RECT{0, 0, 20, 20}, 0));
    EXPECT_EQ(0, d.Changed(0, 0, 20, 20));
}

TEST(ProgramSkinsDocument, MissingDocumentEmptiesThePool)
{
    ASSERT_TRUE(LoadSkins(100));
    EXPECT_FALSE(LoadSkins(4711));
    EXPECT_EQ(0u, SkinPool::Instance().Count());
    EXPECT_EQ(nullptr, SkinPool::Instance().GetSkin("BackGround"));
    // The styles document is no skins document: it parses, adds nothing.
    EXPECT_TRUE(LoadSkins(101));
    EXPECT_EQ(0u, SkinPool::Instance().Count());
    ASSERT_TRUE(LoadSkins(100));
}

TEST(SkinsDocument, FrameRules)
{
    SkinPool pool;
    EXPECT_FALSE(pool.LoadDocument("<skins><png name=a"));
    EXPECT_FALSE(pool.LoadDocument(""));
    EXPECT_FALSE(pool.LoadDocument(nullptr));
    EXPECT_TRUE(pool.LoadDocument("<style><png name=a src=1002/></style>"));
    EXPECT_EQ(0u, pool.Count());

    ASSERT_TRUE(pool.LoadDocument("<skins>"
                                  "<png name=a src=1002/>"
                                  "<png src=1003/>"
                                  "<PNG name=upper src=1003/>"
                                  "<div name=unknown/>"
                                  "<button name=a/>"
                                  "<gradation name=g/>"
                                  "</skins>"));
    EXPECT_EQ(2u, pool.Count());
    EXPECT_EQ(nullptr, pool.GetSkin("upper"));
    EXPECT_EQ(nullptr, pool.GetSkin("unknown"));
    EXPECT_EQ(nullptr, pool.GetSkin("A"));
    // The second "a" replaced the first.
    ASSERT_NE(nullptr, pool.GetSkin("a"));
    EXPECT_STREQ("button", pool.GetSkin("a")->GetClassName());

    // A new document starts from an empty pool.
    ASSERT_TRUE(pool.LoadDocument("<skins><imglst name=b/></skins>"));
    EXPECT_EQ(1u, pool.Count());
    EXPECT_EQ(nullptr, pool.GetSkin("a"));
}

TEST(SkinAttributes, DefaultsOfEveryKind)
{
    CBkImageSkin list;
    EXPECT_EQ(nullptr, list.Bitmap());
    EXPECT_EQ(0, list.subwidth);
    EXPECT_EQ(0, list.mode);
    EXPECT_EQ(RGB(255, 0, 255), list.maskColour);
    EXPECT_EQ(0, list.GetSkinSize().cx);
    EXPECT_EQ(0, list.GetSkinSize().cy);

    CBkSkinImgFrame frame;
    EXPECT_EQ(0, frame.left);
    EXPECT_EQ(0, frame.top);
    EXPECT_EQ(0xFFFFFFFFu, frame.crbg);
    EXPECT_EQ(0x2Fu, frame.part);

    CBkSkinButton button;
    EXPECT_EQ(0xEEEEEEu, button.bg);
    EXPECT_EQ(0x707070u, button.border);
    EXPECT_EQ(0xEEEEEEu, button.bgup);
    EXPECT_EQ(0xEEEEEEu, button.bguphover);
    EXPECT_EQ(0xCECECEu, button.bguppush);
    EXPECT_EQ(0xD6D6D6u, button.bgdown);
    EXPECT_EQ(0xE0E0E0u, button.bgdownhover);
    EXPECT_EQ(0xC0C0C0u, button.bgdownpush);

    CBkSkinGradation gradation;
    EXPECT_EQ(0xFFFFFFFFu, gradation.from);
    EXPECT_EQ(0xFFFFFFFFu, gradation.to);
    EXPECT_EQ(0, gradation.direction);
    EXPECT_EQ(0, gradation.size);
    EXPECT_TRUE(gradation.IgnoreState());

    CBkSkinPngVertExtend vert;
    EXPECT_EQ(nullptr, vert.image);
    EXPECT_EQ(0, vert.GetSkinSize().cx);
    EXPECT_TRUE(vert.IgnoreState());
}

TEST(SkinAttributes, ResultsAndWords)
{
    CBkSkinImgFrame frame;
    EXPECT_EQ(kAttrApplied, frame.SetAttribute("part", "center", true));
    EXPECT_EQ(0x07u, frame.part);
    EXPECT_EQ(kAttrNotRecognised, frame.SetAttribute("part", "sides", true));
    EXPECT_EQ(0x07u, frame.part);
    EXPECT_EQ(kAttrApplied, frame.SetAttribute("mode", "mask", true));
    EXPECT_EQ(1, frame.image.mode);
    EXPECT_EQ(kAttrNotRecognised, frame.SetAttribute("mode", "shadow", true));
    EXPECT_EQ(1, frame.image.mode);
    EXPECT_EQ(kAttrApplied, frame.SetAttribute("maskcolor", "00ff80", true));
    EXPECT_EQ(RGB(0, 255, 0x80), frame.image.maskColour);
    EXPECT_EQ(kAttrApplied, frame.SetAttribute("subwidth", "12", true));
    EXPECT_EQ(12, frame.image.subwidth);
    EXPECT_FALSE(frame.IgnoreState());
    EXPECT_EQ(kAttrNotRecognised, frame.SetAttribute("size", "3", true));

    // Colours are red first in the text, red in the low byte in the value.
    CBkSkinButton button;
    EXPECT_EQ(kAttrApplied, button.SetAttribute("border", "FF0000", true));
    EXPECT_EQ(0x0000FFu, button.border);
    EXPECT_EQ(kAttrNotRecognised, button.SetAttribute("crbg", "FF0000", true));

    CBkPngSkin png;
    EXPECT_EQ(kAttrNotRecognised, png.SetAttribute("left", "1", true));
    EXPECT_EQ(kAttrNotRecognised, png.SetAttribute("top", "1", true));
    EXPECT_EQ(kAttrApplied, png.SetAttribute("subwidth", "21", true));
    CBkSkinPngVertExtend vert;
    EXPECT_EQ(kAttrNotRecognised, vert.SetAttribute("left", "8", true));
    CBkSkinImgHorzExtend horz;
    EXPECT_EQ(kAttrApplied, horz.SetAttribute("left", "4", true));
    EXPECT_EQ(4, horz.left);
    EXPECT_EQ(kAttrNotRecognised, horz.SetAttribute("top", "4", true));
}

TEST(SkinAttributes, PngIsFetchedOnceAllAttributesAreRead)
{
    SkinPool pool;
    ASSERT_TRUE(pool.LoadDocument("<skins><png name=a subwidth=100 src=1001/><png name=none src=0/>"
                                  "<pngvertex name=v top=1 src=1011/></skins>"));
    ASSERT_NE(nullptr, pool.GetSkin("a")->GetImage());
    EXPECT_EQ(400, pool.GetSkin("a")->GetImage()->Width());
    EXPECT_EQ(nullptr, pool.GetSkin("none")->GetImage());
    auto* v = SkinAs<CBkSkinPngVertExtend>(pool, "v", "pngvertex");
    ASSERT_NE(nullptr, v);
    ASSERT_NE(nullptr, v->image);
    EXPECT_EQ(45, v->GetSkinSize().cx);

    // Set directly, without Load, "src" alone fetches nothing.
    CBkPngSkin direct;
    EXPECT_EQ(kAttrApplied, direct.SetAttribute("src", "1001", false));
    EXPECT_EQ(nullptr, direct.GetImage());
}

TEST(ImagePools, DecodeOnceAndShare)
{
    ASSERT_TRUE(LoadSkins(100));
    const BkPngImage* a = BkPngPool::Instance().GetPng(1001);
    ASSERT_NE(nullptr, a);
    EXPECT_TRUE(a->Valid());
    EXPECT_EQ(400, a->Width());
    EXPECT_EQ(31, a->Height());
    EXPECT_EQ(a, BkPngPool::Instance().GetPng(1001));
    EXPECT_EQ(a, SkinPool::Instance().GetSkin("Installationbtn")->GetImage());

    // A missing image is cached as one that draws nothing.
    const BkPngImage* missing = BkPngPool::Instance().GetPng(4999);
    ASSERT_NE(nullptr, missing);
    EXPECT_FALSE(missing->Valid());
    EXPECT_EQ(0, missing->Width());
    EXPECT_EQ(missing, BkPngPool::Instance().GetPng(4999));
    EXPECT_FALSE(BkPngPool::Instance().GetPng(0)->Valid());
    EXPECT_FALSE(BkPngPool::Instance().GetPng(0x10000u + 1001)->Valid());
    // An XML document is no image.
    EXPECT_FALSE(BkPngPool::Instance().GetPng(100)->Valid());

    HBITMAP frame = BkBmpPool::Instance().GetBitmap(73);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(frame, BkBmpPool::Instance().GetBitmap(73));
    EXPECT_EQ(frame, SkinAs<CBkSkinImgFrame>(SkinPool::Instance(), "BackGround", "imgframe")->image.Bitmap());
    EXPECT_EQ(nullptr, BkBmpPool::Instance().GetBitmap(74));
    EXPECT_EQ(nullptr, BkBmpPool::Instance().GetBitmap(0x10000u + 73));
}

TEST(ImagePools, DecodesBytesAndRejectsDamage)
{
    BkPngPool::Instance();  // starts GDI+
    const char notPng[] = "\x89PNG\r\n\x1a\n this is not an image";
    auto broken = DecodeImageBytes(notPng, sizeof(notPng) - 1);
    ASSERT_NE(nullptr, broken);
    EXPECT_FALSE(broken->Valid());
    auto empty = DecodeImageBytes(nullptr, 0);
    ASSERT_NE(nullptr, empty);
    EXPECT_FALSE(empty->Valid());
}

TEST(ProgramSkinsDocument, ElementsPaintTheirStylesSkin)
{
    ASSERT_TRUE(LoadSkins(100));
    ASSERT_TRUE(StylePool::Instance().LoadDocument(
        "<style><class name=install skin=Installationbtn/><class name=plain skin=ConnectDevice/></style>"));
    auto root = element_test::LoadDialog(
        "<dlg pos=0,0,-0,-0><dlg id=1 class=install pos=5,5,105,36/><dlg id=2 class=plain pos=0,40,15,55/></dlg>");
    element_test::Place(root.get(), 0, 0, 120, 60);
    CBkWindow* button = root->FindChildById(1);
    ASSERT_NE(nullptr, button);
    EXPECT_TRUE(button->NeedsRedrawOnStateChange());
    EXPECT_FALSE(root->FindChildById(2)->NeedsRedrawOnStateChange());

    skin_test::Canvas c(120, 60);
    button->ModifyState(StateHover, 0);
    ASSERT_TRUE(button->RedrawRegion(c.Dc(), nullptr));
    EXPECT_PIXEL_NEAR(c, 55, 20, 0x2E93E0, 3);
    button->ModifyState(StatePushDown, StateHover);
    ASSERT_TRUE(button->RedrawRegion(c.Dc(), nullptr));
    EXPECT_PIXEL_NEAR(c, 55, 20, 0x0863A9, 3);
    StylePool::Instance().Clear();
}
