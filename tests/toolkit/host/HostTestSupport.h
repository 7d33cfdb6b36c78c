// A host window under test: a dialog that records what its view tells it,
// elements made by a test factory that record their messages, and pixels
// read back through WM_PRINT.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "platform/ScopedWin.h"
#include "tests/toolkit/ElementTestSupport.h"
#include "tests/toolkit/MemoryCanvas.h"
#include "toolkit/BkWindow.h"
#include "toolkit/ElementFactory.h"
#include "toolkit/StylePool.h"
#include "toolkit/host/BkDialogImpl.h"
#include "toolkit/host/ElementNotify.h"

namespace host_test {

const unsigned kLayer = 301;
const unsigned kNoHeaderLayer = 302;

using element_test::Message;
// The tags of the element kinds the routing cares about, as recording leaves.
using Probe = element_test::Leaf;

struct Notice {
    UINT_PTR idFrom;
    UINT code;
    uint32_t itemId;
    std::string itemClass;
};

class TestDialog : public CBkDialogImpl {
public:
    explicit TestDialog(unsigned layer) : CBkDialogImpl(layer) {}

    std::vector<Notice> notices;
    std::vector<WPARAM> sysCommands;
    int initDialogs = 0;

    std::vector<Notice> Clicks() const { return Only(NotifyClick); }
    std::vector<Notice> Only(UINT code) const
    {
        std::vector<Notice> out;
        for (const Notice& n : notices) {
            if (n.code == code)
                out.push_back(n);
        }
        return out;
    }

protected:
    BOOL OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override
    {
        if (message == WM_INITDIALOG) {
            ++initDialogs;
            return FALSE;
        }
        if (message == WM_NOTIFY) {
            const auto* n = reinterpret_cast<const ElementNotify*>(lparam);
            Notice notice{n->hdr.idFrom, n->hdr.code, 0, ""};
            if (n->hdr.code == NotifyClick || n->hdr.code == NotifyDoubleClick) {
                notice.itemId = n->itemId;
                notice.itemClass = n->itemClass ? n->itemClass : "(null)";
            }
            notices.push_back(notice);
            *result = 0;
            return TRUE;
        }
        if (message == WM_SYSCOMMAND) {
            sysCommands.push_back(wparam);
            // A real move would start the system's modal drag loop.
            return TRUE;
        }
        return FALSE;
    }
};

using element_test::Point;

// Registers the probes and the styles the layers name, once per program.
inline void PrepareToolkit()
{
    static element_test::LeafFactory factory{"leaf", "imgbtn", "link", "button"};
    ControlsFactory::Register(&factory);
    StylePool::Instance().LoadDocument(
        "<style><class name=\"hoverbg\" crbg=\"00FF00\" crbghover=\"0000FF\"/></style>");
}

// The view's client area as WM_PRINT paints it, as 0xRRGGBB words.
class Picture {
public:
    explicit Picture(HWND view) : canvas_(Size(view).right, Size(view).bottom)
    {
        SendMessageW(view, WM_PRINT, reinterpret_cast<WPARAM>(canvas_.Dc()), PRF_CLIENT);
    }
    uint32_t At(int x, int y) const { return canvas_.At(x, y); }

private:
    static RECT Size(HWND view)
    {
        RECT rc = {};
        GetClientRect(view, &rc);
        return rc;
    }
    pixel_test::MemoryCanvas canvas_;
};

}  // namespace host_test
