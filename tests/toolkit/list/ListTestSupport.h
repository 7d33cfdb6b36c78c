// Fixtures for the list element tests under Wine: a real host window that
// records what the list sends it, an observer that records fill calls and
// fills the template, lists whose cursor and modifier keys the test sets,
// and a DIB canvas for pixel checks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/ScopedWin.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/XmlDocument.h"
#include "toolkit/host/ElementNotify.h"
#include "toolkit/list/BkListCtrl.h"
#include "toolkit/list/BkListCtrlSBar.h"

namespace list_test {

const unsigned kRowTemplate = 301;
const unsigned kFlatTemplate = 302;
const unsigned kStyles = 303;
const int kButtonId = 501;
const int kSmallButtonId = 502;

// What the host window received.
struct HostLog {
    struct Click {
        UINT code;
        uint32_t itemId;
        std::string itemClass;
    };
    std::vector<Click> clicks;
    int invalidates = 0;
    std::vector<std::wstring> tips;
    std::vector<LPARAM> listMessages;
};

inline HostLog* g_log = nullptr;

inline LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (g_log) {
        if (msg == WM_NOTIFY) {
            const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lparam);
            if (hdr->code == NotifyInvalidate) {
                ++g_log->invalidates;
            } else {
                const ElementNotify* note = reinterpret_cast<const ElementNotify*>(lparam);
                g_log->clicks.push_back({hdr->code, note->itemId, note->itemClass ? note->itemClass : ""});
            }
            return 0;
        }
        if (msg == CBkListCtrl::kHostTipMessage) {
            const ListTipRequest* tip = reinterpret_cast<const ListTipRequest*>(lparam);
            g_log->tips.push_back(tip->text ? tip->text : L"");
            return 0;
        }
        if (msg == CBkListCtrl::kHostListMessage) {
            g_log->listMessages.push_back(lparam);
            return 42;
        }
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

// A hidden top-level window standing in for the view.
class HostWindow {
public:
    HostWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarvoListTestHost";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                wc.hInstance, nullptr);
        g_log = &log;
    }
    ~HostWindow()
    {
        g_log = nullptr;
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    HWND Get() const { return hwnd_; }
    HostLog log;

private:
    HWND hwnd_ = nullptr;
};

struct FillCall {
    int32_t code;
    int32_t row;
    uint32_t state;
    int32_t param;
};

// Records every call; hides the big button on odd rows, so each row's
// fill shows in the pixels.
class RecordingObserver : public IListCtrlEventObserver {
public:
    int32_t OnListEvent(CBkListCtrl* list, int32_t code, int32_t, CBkWindow* rowTemplate) override
    {
        const ListRowNotify& n = list->RowNotify();
        calls.push_back({code, n.row, n.state, n.param});
        templates.push_back(rowTemplate);
        if (code == ListEventFillRow)
            list->ShowChild(kButtonId, n.row % 2 == 0);
        return 0;
    }
    std::vector<int32_t> FilledRows(uint32_t state = 0) const
    {
        std::vector<int32_t> rows;
        for (const FillCall& c : calls) {
            if (c.code == ListEventFillRow && (state == 0 || c.state == state))
                rows.push_back(c.row);
        }
        return rows;
    }
    std::vector<FillCall> calls;
    std::vector<CBkWindow*> templates;
};

// A list whose cursor position the test sets.
template <class Base>
class Steered : public Base {
public:
    POINT cursor = {0, 0};

protected:
    POINT CursorPosition() override { return cursor; }
};

using TestList = Steered<CBkListCtrl>;
using TestSBarList = Steered<CBkListCtrlSBar>;

template <class List>
std::unique_ptr<List> MakeList(const std::string& xml, HWND host, bool* loaded = nullptr)
{
    auto list = std::make_unique<List>();
    list->SetContainer(host);
    TiXmlDocument doc;
    bool ok = ParseXmlText(xml.c_str(), &doc) && list->Load(doc.RootElement());
    if (loaded)
        *loaded = ok;
    return list;
}

inline void Place(CBkWindow* element, int x, int y, int cx, int cy)
{
    WINDOWPOS wp = {};
    wp.x = x;
    wp.y = y;
    wp.cx = cx;
    wp.cy = cy;
    wp.flags = SWP_SHOWWINDOW;
    LRESULT ignored = 0;
    element->ProcessMessage(nullptr, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), &ignored);
}

inline LRESULT Send(CBkWindow* element, HWND host, UINT msg, WPARAM wparam, int x, int y)
{
    LRESULT result = 0;
    element->ProcessMessage(host, msg, wparam, MAKELPARAM(x, y), &result);
    return result;
}

// Holds Ctrl and/or Shift in this thread's key state for one scope.
class HeldKeys {
public:
    HeldKeys(bool ctrl, bool shift)
    {
        GetKeyboardState(saved_);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_RCONTROL] = keys[VK_LCONTROL] = keys[VK_RSHIFT] = keys[VK_LSHIFT] = 0;
        SetKeyboardState(keys);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

// A 32-bit top-down DIB section in a memory DC, filled with a blank colour.
class Canvas {
public:
    static constexpr uint32_t kBlank = 0x102030;

    Canvas(int w, int h) : w_(w), dc_(nullptr)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        bitmap_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
        old_ = SelectObject(dc_, bitmap_.Get());
        for (int i = 0; i < w * h; ++i)
            bits_[i] = kBlank;
    }
    ~Canvas() { SelectObject(dc_, old_); }
    HDC Dc() const { return dc_; }
    // As "RRGGBB": DIB pixels hold blue in the low byte.
    uint32_t At(int x, int y) const
    {
        GdiFlush();
        return bits_[y * w_ + x] & 0xFFFFFF;
    }

private:
    int w_;
    ScopedMemDC dc_;
    ScopedGdiObj<HBITMAP> bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

class ListFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadStyles(kStyles)); }
    HostWindow host;
    RecordingObserver observer;
};

const char kListXml[] =
    "<list src=\"301\" pos=\"0,0,-0,-0\" cnormal=\"listRowNormal\" chover=\"listRowHover\" "
    "cselect=\"listRowSelect\"/>";

}  // namespace list_test
