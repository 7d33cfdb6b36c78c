// Every built-in tag loads from a layout resource into its own kind.
#include <gtest/gtest.h>

#include <cstring>

#include "../ElementTestSupport.h"
#include "toolkit/ElementRegistry.h"
#include "toolkit/XmlResource.h"
#include "toolkit/controls/BkCheckBox.h"
#include "toolkit/controls/BkIconWnd.h"
#include "toolkit/controls/BkImageWnd.h"
#include "toolkit/controls/BkLine.h"
#include "toolkit/controls/BkMemoryImage.h"
#include "toolkit/controls/BkPaintProgress.h"
#include "toolkit/controls/BkRadioBox.h"
#include "toolkit/controls/BkRichText.h"
#include "toolkit/controls/BkTabCtrl.h"

using namespace element_test;

namespace {

class LayoutResource : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<char> bytes;
        ASSERT_TRUE(LoadXmlResource(301, &bytes));
        dlg = LoadPlaced(bytes.data(), host.Hwnd(), 400, 300);
    }
    CBkWindow* ById(int id) { return dlg->FindChildById(id); }
    HostWindow host;
    std::unique_ptr<CBkDialog> dlg;
};

}  // namespace

TEST_F(LayoutResource, EveryTagBecomesItsKind)
{
    const struct {
        int id;
        const char* tag;
    } kinds[] = {
        {1, "text"}, {2, "vtext"}, {3, "link"}, {4, "button"}, {5, "img"}, {6, "imgbtn"},
        {7, "progress"}, {8, "paintprogress"}, {9, "realwnd"}, {10, "hr"}, {11, "check"},
        {12, "radio"}, {13, "radio"}, {14, "icon"}, {15, "richtext"}, {16, "tabctrl"}, {17, "memimage"},
    };
    for (const auto& k : kinds) {
        CBkWindow* e = ById(k.id);
        ASSERT_NE(nullptr, e) << k.tag;
        EXPECT_STREQ(k.tag, e->GetClassName()) << k.id;
        EXPECT_EQ(dlg->Handle(), e->ParentHandle()) << k.tag;
        EXPECT_EQ(host.Hwnd(), e->Host()) << k.tag;
    }
    // "tab" outside a tab control, a tag in the wrong case, and an
    // application kind without its factory make nothing.
    for (int id : {18, 19, 20, 163})
        EXPECT_EQ(nullptr, ById(id)) << id;
    EXPECT_EQ(17u, dlg->ChildCount());
}

TEST_F(LayoutResource, OwnAttributesAreRead)
{
    auto* img = static_cast<CBkImageWnd*>(ById(5));
    EXPECT_EQ(2, img->SubImage());
    EXPECT_EQ(nullptr, img->Skin());  // an unknown skin leaves none

    auto* progress = static_cast<CBkPaintProgress*>(ById(7));
    EXPECT_EQ(100, progress->Range().max);
    EXPECT_EQ(40, progress->Range().value);
    EXPECT_EQ(1, progress->ShowPercent());
    auto* paint = static_cast<CBkPaintProgress*>(ById(8));
    EXPECT_EQ(0x00FF00u, paint->Foreground());

    auto* hr = static_cast<CBkLine*>(ById(10));
    EXPECT_EQ(LineDot, hr->PenStyle());
    EXPECT_EQ(2, hr->PenWidth());

    auto* check = static_cast<CBkCheckBox*>(ById(11));
    EXPECT_EQ(1, check->CheckAttribute());
    EXPECT_FALSE(check->IsChecked());  // "check" is kept, not applied

    auto* radio = static_cast<CBkRadioBox*>(ById(12));
    EXPECT_EQ(L"g", radio->Group());
    EXPECT_EQ(2u, ElementRegistry::Instance().GroupMembers(L"g").size());

    auto* rich = static_cast<CBkRichText*>(ById(15));
    ASSERT_EQ(4u, rich->Runs().size());
    EXPECT_EQ(77, rich->Runs()[1].format.linkId);

    auto* tabs = static_cast<CBkTabCtrl*>(ById(16));
    EXPECT_EQ(2u, tabs->PageCount());
    EXPECT_EQ(1, tabs->CurSel());
    EXPECT_EQ(L"second", tabs->Page(1)->Title());
    EXPECT_EQ(50, tabs->Metrics().tabWidth);

    auto* mem = static_cast<CBkMemoryImage*>(ById(17));
    EXPECT_EQ(nullptr, mem->MemoryImage());  // "0" is no address
}

TEST_F(LayoutResource, TwoItemPositionsMeasureTheirContentAndTheGroupEmptiesWithTheLayout)
{
    element_test::ExpectRect(ById(14)->Rect(), 100, 0, 116, 16, "icon");
    const RECT& check = ById(11)->Rect();
    EXPECT_EQ(160, check.top);
    EXPECT_GE(check.bottom - check.top, 13);
    EXPECT_GT(check.right - check.left, 17);
    dlg.reset();
    EXPECT_TRUE(ElementRegistry::Instance().GroupMembers(L"g").empty());
}
