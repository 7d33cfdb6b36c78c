// The host's window-free decisions: bands, kinds that keep input, command
// keys and maximised geometry.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/host/HostRules.h"

TEST(InputRules, BandsKindsThatKeepInputKeysAndDoubleClicks)
{
    for (int y : {-5, 0, 40, 630})  // -5: a captured move above the window
        EXPECT_TRUE(InDragBand(y)) << y;
    for (int y : {41, 629})
        EXPECT_FALSE(InDragBand(y)) << y;
    for (const char* tag : {"button", "imgbtn", "link"})
        EXPECT_TRUE(TagKeepsPress(tag) && TagKeepsDoubleClick(tag)) << tag;
    EXPECT_TRUE(TagKeepsPress("tabctrl"));
    EXPECT_FALSE(TagKeepsDoubleClick("tabctrl"));
    for (const char* tag : {"dlg", "text", "Link", "imgbtn ", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(TagKeepsPress(tag) || TagKeepsDoubleClick(tag)) << (tag ? tag : "null");
    const struct {
        int key;
        bool control, enabled;
        int command;
    } keys[] = {{13, false, true, 1}, {27, false, true, 2}, {13, true, true, 0}, {27, false, false, 0},
                {32, false, true, 0}, {13 + 0x10000, false, true, 0}};
    for (const auto& k : keys)
        EXPECT_EQ(k.command, KeyCommand(k.key, k.control, k.enabled)) << k.key;
    EXPECT_EQ(kScMaximize, DoubleClickCommand(true, false));
    EXPECT_EQ(kScRestore, DoubleClickCommand(true, true));
    EXPECT_EQ(0u, DoubleClickCommand(false, false) + DoubleClickCommand(false, true));
}

TEST(MaximizedGeometry, FrameLineFallsOutsideTheWorkArea)
{
    // A task bar along the bottom of the primary monitor.
    MaximizedGeometry g = ComputeMaximized(HostRect{0, 0, 1280, 1024}, HostRect{0, 0, 1280, 984});
    EXPECT_EQ(-1, g.x);
    EXPECT_EQ(-1, g.y);
    EXPECT_EQ(1282, g.width);
    EXPECT_EQ(986, g.height);

    // A second monitor with a task bar on its left: the offset is within
    // the monitor, not the desktop.
    g = ComputeMaximized(HostRect{1280, 0, 2560, 1024}, HostRect{1340, 0, 2560, 1024});
    EXPECT_EQ(59, g.x);
    EXPECT_EQ(-1, g.y);
    EXPECT_EQ(1222, g.width);
    EXPECT_EQ(1026, g.height);
}
