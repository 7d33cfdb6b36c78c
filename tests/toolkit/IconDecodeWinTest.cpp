// Package icons as the system draws them: a PNG that libpng reads comes out
// as GDI+ reads the same bytes, one libpng refuses as damaged is GDI+'s to
// draw or refuse (then the window shows its default icon), and one past the
// pixel bound is drawn by neither.
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <psapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/FileBytes.h"
#include "platform/Text.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/PngDecoder.h"

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

TEST(IconDecode, HardPngsShowAsGdiplusShowsThemAndNoDecoderTakesAnOversizedOne)
{
    GdiplusSession gdiplus;
    ASSERT_TRUE(gdiplus.Ok());
    auto read = [](const wchar_t* name) {
        std::string bytes;
        EXPECT_TRUE(platform::ReadFileBytes(testing_support::CorpusFile(L"icons\\" + std::wstring(name)), &bytes,
                                            1 << 20));
        return bytes;
    };
    for (const wchar_t* name : {L"deep16.png", L"wide.png", L"interlaced.png", L"gamma.png"}) {
        SCOPED_TRACE(WideToUtf8(name));
        const std::string bytes = read(name);
        // libpng itself reads every valid icon, and GDI+ too: both are compared.
        PngPixels pixels;
        ASSERT_EQ(DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &pixels), PngResult::Ok);
        const std::vector<int> ours = Pixels(DecodeGdiplusImage(bytes.data(), bytes.size()));
        const std::vector<int> system = Pixels(SystemDecodeImage(bytes.data(), bytes.size()));
        ASSERT_FALSE(system.empty()) << "GDI+ cannot read it: nothing to compare with";
        ASSERT_EQ(ours.size(), system.size());
        EXPECT_EQ(ours[0], system[0]);
        EXPECT_EQ(ours[1], system[1]);
        int worst = 0;
        for (size_t i = 2; i < ours.size(); ++i)
            worst = std::max(worst, std::abs(ours[i] - system[i]));
        // Rounding of 16-bit samples to 8 may differ by one.
        EXPECT_LE(worst, 1);
    }
    // A damaged one goes to GDI+, which draws what it can.
    const std::string damaged = read(L"badcrc.png");
    PngPixels pixels;
    EXPECT_NE(DecodePng(reinterpret_cast<const uint8_t*>(damaged.data()), damaged.size(), &pixels), PngResult::Ok);
    // Past the pixel bound, with its header whole or damaged: the default
    // icon, and the process never holds the pixels.
    for (const wchar_t* name : {L"over.png", L"overbadcrc.png"}) {
        const std::string bytes = read(name);
        EXPECT_EQ(DecodeGdiplusImage(bytes.data(), bytes.size()), nullptr) << WideToUtf8(name);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory));
    EXPECT_LT(memory.PeakWorkingSetSize, 250u << 20);
}
