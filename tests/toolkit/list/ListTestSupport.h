// Fixtures for the list element tests under Wine: a real host window that
// records what the list sends it, an observer that records fill calls and
// fills the template, lists whose cursor and modifier keys the test sets,
// and the memory canvas for pixel checks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "../MemoryCanvas.h"
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
        if (msg == kShowTipMessage) {
            const TipRequest* tip = reinterpret_cast<const TipRequest*>(lparam);
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

using element_test::LoadElement;
using element_test::Place;

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

using Canvas = pixel_test::MemoryCanvas;

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
