// Package icons as the system draws them: a PNG that libpng reads comes out
// as GDI+ reads the same bytes, and one libpng refuses is GDI+'s to draw or
// refuse (then the window shows its default icon).
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/FileBytes.h"
#include "platform/Text.h"
#include "toolkit/skins/BkPngPool.h"

using namespace Gdiplus;

namespace {

// Width, height and straight-alpha BGRA pixels; empty for no image.
std::vector<int> Pixels(GpImage* image)
{
    std::vector<int> out;
    UINT w = 0, h = 0;
    if (!image || DllExports::GdipGetImageWidth(image, &w) != Ok || DllExports::GdipGetImageHeight(image, &h) != Ok)
        return out;
    const GpRect all(0, 0, static_cast<INT>(w), static_cast<INT>(h));
    BitmapData data = {};
    if (DllExports::GdipBitmapLockBits(static_cast<GpBitmap*>(image), &all, ImageLockModeRead, PixelFormat32bppARGB,
                                       &data) != Ok)
        return out;
    out = {static_cast<int>(w), static_cast<int>(h)};
    for (UINT y = 0; y < h; ++y) {
        const unsigned char* row = static_cast<const unsigned char*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        out.insert(out.end(), row, row + w * 4);
    }
    DllExports::GdipBitmapUnlockBits(static_cast<GpBitmap*>(image), &data);
    DllExports::GdipDisposeImage(image);
    return out;
}

}  // namespace

TEST(IconDecode, HardPngsShowAsGdiplusShowsThem)
{
    GdiplusSession gdiplus;
    ASSERT_TRUE(gdiplus.Ok());
    for (const wchar_t* name : {L"deep16.png", L"wide.png", L"interlaced.png", L"gamma.png", L"badcrc.png"}) {
        SCOPED_TRACE(WideToUtf8(name));
        std::string bytes;
        ASSERT_TRUE(platform::ReadFileBytes(testing_support::CorpusFile(L"icons\\" + std::wstring(name)), &bytes,
                                            1 << 20));
        const std::vector<int> ours = Pixels(DecodeGdiplusImage(bytes.data(), bytes.size()));
        const std::vector<int> system = Pixels(SystemDecodeImage(bytes.data(), bytes.size()));
        ASSERT_EQ(ours.size(), system.size());
        if (system.empty())
            continue;
        EXPECT_EQ(ours[0], system[0]);
        EXPECT_EQ(ours[1], system[1]);
        int worst = 0;
        for (size_t i = 2; i < ours.size(); ++i)
            worst = std::max(worst, std::abs(ours[i] - system[i]));
        // Rounding of 16-bit samples to 8 may differ by one.
        EXPECT_LE(worst, 1);
    }
}
