// The skin pool, the skins document, the image pools, and how the element
// tree reaches skins by name.
#include <gtest/gtest.h>

#include <string>

#include "ElementTestSupport.h"
#include "toolkit/ElementSkin.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/StylePool.h"
#include "toolkit/skins/BkBmpPool.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/BkPngSkin.h"
#include "toolkit/skins/SkinPool.h"

TEST(ProgramSkinsDocument, ElementsReachAndPaintTheSkinsByNameAndAMissingDocumentEmptiesThePool)
{
    ASSERT_TRUE(LoadSkins(100));
    EXPECT_EQ(&SkinPool::Instance(), ElementSkins());
    EXPECT_TRUE(SkinDependsOnState("Installationbtn"));
    EXPECT_FALSE(SkinDependsOnState("ConnectDevice") || SkinDependsOnState("BackGround") ||
                 SkinDependsOnState("nosuchskin"));
    element_test::Canvas d(20, 20);
    EXPECT_FALSE(DrawSkinByName(d.Dc(), "nosuchskin", RECT{0, 0, 20, 20}, 0));
    EXPECT_EQ(0, d.Changed(0, 0, 20, 20));

    EXPECT_FALSE(LoadSkins(4711));
    EXPECT_EQ(0u, SkinPool::Instance().Count());
    EXPECT_TRUE(LoadSkins(101));  // the styles document parses and adds nothing
    EXPECT_EQ(0u, SkinPool::Instance().Count());
    ASSERT_TRUE(LoadSkins(100));
}

TEST(ImagePools, DecodeOnceShareAndCacheMissingOnesAsEmpty)
{
    SkinPool pool;
    ASSERT_TRUE(pool.LoadDocument("<skins><png name=a subwidth=100 src=1001/><png name=none src=0/>"
                                  "<pngvertex name=v top=1 src=1011/></skins>"));
    const BkPngImage* a = BkPngPool::Instance().GetPng(1001);
    ASSERT_TRUE(a && a->Valid());
    EXPECT_EQ(400, a->Width());
    EXPECT_EQ(a, pool.GetSkin("a")->GetImage()) << "fetched once all attributes are read, and shared";
    EXPECT_EQ(nullptr, pool.GetSkin("none")->GetImage());
    EXPECT_EQ(45, pool.GetSkin("v")->GetSkinSize().cx);
    CBkPngSkin direct;  // set directly, without Load, "src" alone fetches nothing
    direct.SetAttribute("src", "1001", false);
    EXPECT_EQ(nullptr, direct.GetImage());

    const BkPngImage* missing = BkPngPool::Instance().GetPng(4999);
    ASSERT_NE(nullptr, missing);
    EXPECT_FALSE(missing->Valid());
    EXPECT_EQ(missing, BkPngPool::Instance().GetPng(4999));
    for (unsigned id : {0u, 0x10000u + 1001, 100u})  // nothing, out of range, an XML document
        EXPECT_FALSE(BkPngPool::Instance().GetPng(id)->Valid()) << id;
    const char notPng[] = "\x89PNG\r\n\x1a\n this is not an image";
    EXPECT_FALSE(DecodeImageBytes(notPng, sizeof(notPng) - 1)->Valid());
    EXPECT_FALSE(DecodeImageBytes(nullptr, 0)->Valid());

    HBITMAP frame = BkBmpPool::Instance().GetBitmap(73);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(frame, BkBmpPool::Instance().GetBitmap(73));
    EXPECT_EQ(nullptr, BkBmpPool::Instance().GetBitmap(74));
    EXPECT_EQ(nullptr, BkBmpPool::Instance().GetBitmap(0x10000u + 73));
}
