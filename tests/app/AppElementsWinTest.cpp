// The icon cache under Wine: only the recent icons stay decoded.
#include <gtest/gtest.h>

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <vector>

#include "app/IconCache.h"
#include "toolkit/skins/GdiplusSession.h"

using namespace Gdiplus;

namespace {

GdiplusSession& Gdi()
{
    static GdiplusSession session;
    return session;
}

}  // namespace

TEST(IconCache, KeepsOnlyTheRecentIconsDecoded)
{
    ASSERT_TRUE(Gdi().Ok());
    // A 2 x 2 red PNG.
    const std::vector<unsigned char> red = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00,
        0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x84, 0x19, 0x60, 0x0C, 0x00,
        0x47, 0xCA, 0x07, 0xF9, 0x67, 0x59, 0x6E, 0xB7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42,
        0x60, 0x82};
    IconCache cache;
    std::vector<AppItem> items(IconCache::kCapacity + 1);
    for (AppItem& item : items)
        item.iconBytes = red;
    SharedImage first = cache.Get(items[0]);
    ASSERT_NE(first, nullptr);
    ARGB pixel = 0;
    DllExports::GdipBitmapGetPixel(static_cast<GpBitmap*>(first.get()), 1, 1, &pixel);
    EXPECT_EQ(pixel, 0xFFFF0000u);
    EXPECT_EQ(cache.Get(items[0]), first) << "decoded again while still recent";

    // Drawing every other row lets the first go from the cache; the painter
    // that still shows it keeps it alive until it lets go too.
    std::weak_ptr<GpImage> watch = first;
    for (size_t i = 1; i < items.size(); ++i)
        ASSERT_NE(cache.Get(items[i]), nullptr);
    EXPECT_FALSE(watch.expired());
    first.reset();
    EXPECT_TRUE(watch.expired()) << "the cache holds more than its capacity";
    EXPECT_NE(cache.Get(items[0]), nullptr);

    AppItem none, junk;
    junk.iconBytes = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    EXPECT_EQ(cache.Get(none), nullptr);
    EXPECT_EQ(cache.Get(junk), nullptr);
}
