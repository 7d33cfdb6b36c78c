// "text", "link" and "button".
#include <gtest/gtest.h>

#include "../ElementTestSupport.h"
#include "toolkit/controls/BkButton.h"
#include "toolkit/controls/BkLink.h"
#include "toolkit/controls/BkStatic.h"

using namespace element_test;

TEST(TextKinds, TextLinkAndButtonPaintAlikeAndOnlyTheButtonAlwaysRepaints)
{
    CBkStatic text;
    CBkLink link;
    CBkButton button;
    std::vector<std::vector<uint32_t>> rows;
    for (CBkWindow* e : std::initializer_list<CBkWindow*>{&text, &link, &button}) {
        EXPECT_EQ(e == &button, e->NeedsRedrawOnStateChange()) << e->GetClassName();
        e->SetAttribute("crtext", "FFFFFF", true);
        e->SetText(L"Same");
        e->SetRect(RECT{0, 0, 60, 20});
        Canvas canvas(60, 20);
        e->RedrawRegion(canvas.Dc(), nullptr);
        rows.push_back(canvas.Row(10));
    }
    EXPECT_NE(std::count(rows[0].begin(), rows[0].end(), DibOf("FFFFFF")), 0);
    EXPECT_EQ(rows[0], rows[1]);
    EXPECT_EQ(rows[0], rows[2]);
    link.Style().crhover = 0xFF0000;  // a hover colour makes any kind repaint
    EXPECT_TRUE(link.NeedsRedrawOnStateChange());
}
