// Fixtures for the list element tests under Wine: an observer that records
// fill calls and fills the template, lists whose cursor the test sets, and
// the rows' template and styles resources.
#pragma once

#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/ResourceLoaders.h"
#include "toolkit/list/BkListCtrlSBar.h"

namespace list_test {

using namespace element_test;

const unsigned kStyles = 303;
const int kButtonId = 501;

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
    int32_t OnListEvent(CBkListCtrl* list, int32_t code, int32_t, CBkWindow*) override
    {
        const ListRowNotify& n = list->RowNotify();
        calls.push_back({code, n.row, n.state, n.param});
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

inline LRESULT Send(CBkWindow* element, HWND host, UINT msg, WPARAM wparam, int x, int y)
{
    LRESULT result = 0;
    element->ProcessMessage(host, msg, wparam, MAKELPARAM(x, y), &result);
    return result;
}

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
