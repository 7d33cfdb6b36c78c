// Every built-in tag loads from a layout resource into its own kind.
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/XmlResource.h"
#include "toolkit/controls/BkImageWnd.h"
#include "toolkit/controls/BkLine.h"

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

    auto* hr = static_cast<CBkLine*>(ById(10));
    EXPECT_EQ(LineDot, hr->PenStyle());
    EXPECT_EQ(2, hr->PenWidth());
}
