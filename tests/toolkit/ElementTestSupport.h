// Fixtures for the toolkit's element tests under Wine: leaves made by a test
// factory that record their messages, layouts loaded from text, recording
// skins, and a hidden host window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "MemoryCanvas.h"
#include "platform/ScopedWin.h"
#include "toolkit/BkDialog.h"
#include "toolkit/ElementFactory.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/skins/SkinPool.h"

namespace element_test {

using Canvas = pixel_test::MemoryCanvas;
using pixel_test::Dib;

// The DIB pixel of a colour as layouts write it ("RRGGBB").
inline uint32_t DibOf(const char* text)
{
    return Dib(ParseColour(text));
}

struct Message {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

// A plain leaf of any tag that remembers its messages (painting and
// placement aside) and what its ancestors told it about visibility.
class Leaf : public CBkWindow {
public:
    explicit Leaf(const char* tag) : tag_(tag) {}
    const char* GetClassName() const override { return tag_.c_str(); }
    BOOL ProcessMessage(HWND host, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override
    {
        if (message != WM_PAINT && message != WM_NCCALCSIZE && message != WM_WINDOWPOSCHANGED)
            messages.push_back(Message{message, wparam, lparam});
        return CBkWindow::ProcessMessage(host, message, wparam, lparam, result);
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (const Message& m : messages)
            n += m.message == message;
        return n;
    }
    // Measures as the base does, in an available cx x cy.
    SIZE Measure(int cx, int cy, BOOL fromPlacement)
    {
        SIZE size = {cx, cy};
        LRESULT ignored = 0;
        ProcessMessage(nullptr, WM_NCCALCSIZE, fromPlacement, reinterpret_cast<LPARAM>(&size), &ignored);
        return size;
    }
    std::vector<Message> messages;

private:
    std::string tag_;
};

// Makes leaves for the given tags, as the application's factory makes its kinds.
class LeafFactory : public ICtrlFactory {
public:
    LeafFactory(std::initializer_list<const char*> tags = {"text", "leaf"}) : tags_(tags.begin(), tags.end()) {}
    CBkWindow* CreateCtrl(const char* tag) override
    {
        ++calls;
        for (const std::string& t : tags_)
            if (t == tag)
                return new Leaf(tag);
        return nullptr;
    }
    int calls = 0;

private:
    std::vector<std::string> tags_;
};

// An element of kind T loaded from layout text, with `host` as its window;
// `loaded` tells whether the text parsed and the element took it.
template <class T>
std::unique_ptr<T> LoadElement(const std::string& xml, HWND host = nullptr, bool* loaded = nullptr)
{
    auto element = std::make_unique<T>();
    if (host)
        element->SetContainer(host);
    TiXmlDocument doc;
    bool ok = ParseXmlText(xml.c_str(), &doc) && element->Load(doc.RootElement());
    if (loaded)
        *loaded = ok;
    return element;
}

inline std::unique_ptr<CBkDialog> LoadDialog(const std::string& xml)
{
    return LoadElement<CBkDialog>(xml);
}

inline void Place(CBkWindow* element, int x, int y, int cx, int cy)
{
    PlaceElement(element, x, y, cx, cy);
}

// Loads a "dlg" layout with the given host window and places it; a bare
// "<dlg>" root fills the space it is given.
inline std::unique_ptr<CBkDialog> LoadPlaced(std::string xml, HWND host, int cx, int cy)
{
    if (xml.compare(0, 5, "<dlg>") == 0)
        xml.replace(0, 5, "<dlg pos=\"0,0,-0,-0\">");
    auto dlg = LoadElement<CBkDialog>(xml, host);
    Place(dlg.get(), 0, 0, cx, cy);
    return dlg;
}

inline void ExpectRect(const RECT& r, int left, int top, int right, int bottom, const char* what)
{
    EXPECT_EQ((std::vector<LONG>{left, top, right, bottom}), (std::vector<LONG>{r.left, r.top, r.right, r.bottom}))
        << what;
}

inline LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

// Installs the leaf factory for one test and removes it afterwards.
class WithLeafFactory : public ::testing::Test {
protected:
    void SetUp() override { ControlsFactory::Register(&factory); }
    void TearDown() override { ControlsFactory::Register(nullptr); }
    LeafFactory factory;
};

// Fills what it is asked to draw with a colour per frame (0 to 3) and
// remembers every call.
class RecordingSkin : public CBkSkinBase {
public:
    static constexpr uint32_t kFrameColours[4] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00};
    explicit RecordingSkin(SIZE size = SIZE{0, 0}) : size_(size) {}
    const char* GetClassName() const override { return "recording"; }
    void Draw(HDC dc, const RECT& rect, int32_t state) override
    {
        states.push_back(state);
        rects.push_back(rect);
        ScopedGdiObj<HBRUSH> brush(CreateSolidBrush(kFrameColours[static_cast<uint32_t>(state) % 4]));
        FillRect(dc, &rect, brush);
    }
    SIZE GetSkinSize() const override { return size_; }
    bool IgnoreState() const override { return false; }
    std::vector<int32_t> states;
    std::vector<RECT> rects;

private:
    SIZE size_;
};

// Puts recording skins in the pool for one test and empties it afterwards.
class WithSkins : public ::testing::Test {
protected:
    void TearDown() override
    {
        SkinPool::Instance().Clear();
        SetElementSkins(nullptr);
    }
    RecordingSkin* AddSkin(const std::string& name, SIZE size = SIZE{0, 0})
    {
        auto skin = std::make_unique<RecordingSkin>(size);
        RecordingSkin* raw = skin.get();
        SkinPool::Instance().Insert(name, std::move(skin));
        SetElementSkins(&SkinPool::Instance());
        return raw;
    }
};

// A hidden top-level window standing in for the view, as the elements' host.
class HostWindow {
public:
    HostWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarvoTestHost";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr, nullptr,
                                wc.hInstance, nullptr);
    }
    ~HostWindow()
    {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace element_test
