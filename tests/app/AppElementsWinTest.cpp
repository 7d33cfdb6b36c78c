// The application's element kinds under Wine: the tag factory, the
// "ownPaint" element with its painter, the icon painter and the
// permission box's edit control.
#include <gtest/gtest.h>

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <string>
#include <vector>

#include "app/BkWndOwnPaintCtrl.h"
#include "app/CWHEdit.h"
#include "app/DyncLoadPng.h"
#include "app/IconCache.h"
#include "app/TarvoCtrlFactory.h"
#include "tests/toolkit/MemoryCanvas.h"
#include "platform/ScopedWin.h"
#include "toolkit/BkWindow.h"
#include "toolkit/ElementFactory.h"
#include "toolkit/skins/BkPngPool.h"
#include "toolkit/skins/GdiplusSession.h"
#include "toolkit/skins/SkinPool.h"

using namespace Gdiplus;

namespace {

GdiplusSession& Gdi()
{
    static GdiplusSession session;
    return session;
}

// A solid image of one colour (ARGB), owned by the caller.
GpBitmap* SolidImage(int w, int h, ARGB colour)
{
    GpBitmap* bitmap = nullptr;
    DllExports::GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            DllExports::GdipBitmapSetPixel(bitmap, x, y, colour);
    return bitmap;
}

// Blank white, as the window behind the painted elements.
class Canvas : public pixel_test::MemoryCanvas {
public:
    Canvas(int w, int h) : MemoryCanvas(w, h, 0xFFFFFF) {}
};

// A skin that only carries an image, as the PNG skins do.
class ImageSkin : public CBkSkinBase {
public:
    explicit ImageSkin(GpBitmap* image) : image_(image) {}
    void Draw(HDC, const RECT&, int32_t) override {}
    const BkPngImage* GetImage() const override { return &image_; }
    const char* GetClassName() const override { return "imageskin"; }

private:
    BkPngImage image_;
};

struct RecordingPainter : IOwnPaint {
    void Paint(HDC, int l, int t, int r, int b) override { calls.push_back(RECT{l, t, r, b}); }
    std::vector<RECT> calls;
};

}  // namespace

TEST(TarvoCtrlFactory, MakesItsFourTagsCaseSensitivelyBesideTheToolkitsKinds)
{
    TarvoCtrlFactory factory;
    for (const char* tag : {"list", "listSbar", "memImage", "ownPaint"})
        EXPECT_STREQ(std::unique_ptr<CBkWindow>(factory.CreateCtrl(tag))->GetClassName(), tag);
    for (const char* tag : {"ownpaint", "listsbar", "List", "text", "", "ownPaint "})
        EXPECT_EQ(factory.CreateCtrl(tag), nullptr) << tag;
    ControlsFactory::Register(&factory);
    EXPECT_STREQ(CreateElement("ownPaint")->GetClassName(), "ownPaint");
    EXPECT_STREQ(CreateElement("memimage")->GetClassName(), "memimage") << "the toolkit's own kind";
    ControlsFactory::Register(nullptr);
    EXPECT_EQ(CreateElement("ownPaint"), nullptr);
}

TEST(OwnPaintCtrl, CallsItsPainterWithItsRectangleOnlyWhenItIsDirty)
{
    Canvas canvas(40, 40);
    BkWndOwnPaintCtrl e;
    e.SetRect(RECT{5, 6, 25, 30});
    EXPECT_TRUE(e.RedrawRegion(canvas.Dc(), nullptr)) << "no painter: nothing to call";
    RecordingPainter painter;
    e.SetPainter(&painter);
    ScopedGdiObj<HRGN> elsewhere(CreateRectRgn(30, 30, 40, 40));
    EXPECT_FALSE(e.RedrawRegion(canvas.Dc(), elsewhere));
    EXPECT_TRUE(e.RedrawRegion(canvas.Dc(), nullptr));
    ASSERT_EQ(painter.calls.size(), 1u);
    EXPECT_EQ((std::vector<LONG>{5, 6, 25, 30}),
              (std::vector<LONG>{painter.calls[0].left, painter.calls[0].top, painter.calls[0].right, painter.calls[0].bottom}));
}

TEST(DyncLoadPng, StretchesItsImageAndASkinsImageReplacesASetOneOnlyWhenForced)
{
    ASSERT_TRUE(Gdi().Ok());
    std::shared_ptr<GpImage> red(SolidImage(10, 10, 0xFFFF0000), DllExports::GdipDisposeImage);
    Canvas canvas(40, 40);
    DyncLoadPng painter;
    painter.Paint(canvas.Dc(), 0, 0, 40, 40);  // no image: nothing drawn
    EXPECT_EQ(canvas.At(20, 20), 0xFFFFFFu);
    painter.SetImage(red);
    painter.Paint(canvas.Dc(), 10, 10, 30, 30);
    EXPECT_EQ(canvas.At(13, 13), 0xFF0000u);  // inside, away from the interpolated edges
    EXPECT_EQ(canvas.At(26, 26), 0xFF0000u);
    EXPECT_EQ(canvas.At(35, 35), 0xFFFFFFu);

    SkinPool::Instance().Insert("TestBlueIco", std::make_unique<ImageSkin>(SolidImage(2, 2, 0xFF0000FF)));
    painter.LoadFromSkin("TestBlueIco", false);
    EXPECT_EQ(painter.Image(), red.get());
    painter.LoadFromSkin("NoSuchSkin", true);
    EXPECT_EQ(painter.Image(), red.get());
    painter.LoadFromSkin("TestBlueIco", true);
    painter.Paint(canvas.Dc(), 0, 0, 10, 10);
    EXPECT_EQ(canvas.At(5, 5), 0x0000FFu);
    SkinPool::Instance().Clear();
}

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

namespace {

struct EditHost {
    HWND parent;
    MyEditCtrl edit;
    EditHost()
    {
        parent = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 0, 0, 200, 120, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        edit.Create(parent, 20008, WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                    WS_EX_NOPARENTNOTIFY);
        MoveWindow(edit.Hwnd(), 0, 0, 200, 120, FALSE);
        SetWindowTextW(edit.Hwnd(), L"    A \r\n    B \r\n    ");
    }
    ~EditHost() { DestroyWindow(parent); }
};

}  // namespace

TEST(MyEditCtrl, MouseOverFocusesAndClicksPlaceNoCaret)
{
    EditHost host;
    HWND edit = host.edit.Hwnd();
    SetForegroundWindow(host.parent);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(30, 8));
    EXPECT_EQ(GetFocus(), edit);
    // A click far into the text would move the caret in a plain edit.
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 20));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(150, 20));
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}
