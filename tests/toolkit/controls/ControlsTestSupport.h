// Fixtures for the element-kind tests under Wine: a memory canvas, a skin that
// records how it was drawn, and a host window that keeps the notifications
// elements send it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "../ElementTestSupport.h"
#include "../MemoryCanvas.h"
#include "platform/ScopedWin.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/skins/SkinPool.h"

namespace controls_test {

using Canvas = pixel_test::MemoryCanvas;
using pixel_test::Dib;
const uint32_t kBlank = Canvas::kBlank;

// The DIB pixel of a colour as layouts write it ("RRGGBB").
inline uint32_t DibOf(const char* text)
{
    return Dib(ParseColour(text));
}

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

// A hidden top-level window standing in for the view: elements take it as their
// host, find child windows on it and send it WM_NOTIFY.
class HostWindow {
public:
    struct Notice {
        UINT code = 0;
        uint32_t itemId = 0;
        std::string itemClass;
        ElementNotifyRect rect = {};
        std::vector<int32_t> extra;  // numbers after the record (tab changes)
    };

    HostWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &HostWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ControlsTestHost";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, L"ControlsTestHost", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~HostWindow()
    {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Hwnd() const { return hwnd_; }
    // A visible child window with the control id, like the application's edits.
    HWND AddChild(int id)
    {
        return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }
    std::vector<Notice> notices;
    std::vector<ElementNotifyRect> invalidated;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
    {
        auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_NOTIFY && self && lparam) {
            const auto* n = reinterpret_cast<const ElementNotify*>(lparam);
            Notice notice;
            notice.code = n->hdr.code;
            notice.itemId = n->itemId;
            if (n->hdr.code == NotifyInvalidate) {
                // Redraw requests apart: they come with every visible change.
                self->invalidated.push_back(n->rect);
                return 0;
            }
            if (n->hdr.code == NotifyRealWndMoved) {
                notice.rect = n->rect;
            } else {
                notice.itemClass = n->itemClass ? n->itemClass : "";
            }
            if (n->hdr.code == NotifyTabChange) {
                const auto* numbers = reinterpret_cast<const int32_t*>(n + 1);
                notice.extra.assign(numbers, numbers + 2);
            }
            self->notices.push_back(notice);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    HWND hwnd_ = nullptr;
};

// The child's own visibility flag: the host stays off screen, so
// IsWindowVisible would always be false.
inline bool Shown(HWND window)
{
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

inline LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

inline BOOL Send(CBkWindow* element, UINT message, WPARAM wparam = 0, LPARAM lparam = 0)
{
    LRESULT ignored = 0;
    return element->ProcessMessage(element->Host(), message, wparam, lparam, &ignored);
}

// Loads a "dlg" layout with the given host window and places it; a bare
// "<dlg>" root fills the space it is given.
inline std::unique_ptr<CBkDialog> LoadPlaced(std::string xml, HWND host, int cx, int cy)
{
    if (xml.compare(0, 5, "<dlg>") == 0)
        xml.replace(0, 5, "<dlg pos=\"0,0,-0,-0\">");
    auto dlg = element_test::LoadElement<CBkDialog>(xml, host);
    element_test::Place(dlg.get(), 0, 0, cx, cy);
    return dlg;
}

}  // namespace controls_test
