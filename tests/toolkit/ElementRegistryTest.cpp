// Element handles, timer owners and radio groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "toolkit/ElementRegistry.h"

namespace {
CBkWindow* Fake(uintptr_t n) { return reinterpret_cast<CBkWindow*>(n * 16); }
}  // namespace

TEST(ElementRegistry, HandlesTimersAndGroups)
{
    ElementRegistry reg;
    ElementHandle a = reg.Register(Fake(1));
    ElementHandle b = reg.Register(Fake(2));
    EXPECT_EQ(1u, a);  // from one, never reused
    reg.SetTimerOwner(7, a);
    EXPECT_EQ(a, reg.TimerOwner(7));
    reg.Unregister(a);
    EXPECT_EQ(nullptr, reg.Find(a));
    EXPECT_EQ(0u, reg.TimerOwner(7)) << "a timer belongs to its element until it goes";
    EXPECT_EQ(Fake(2), reg.Find(b));
    EXPECT_EQ(3u, reg.Register(Fake(3)));
    EXPECT_EQ(nullptr, reg.Find(0));

    reg.JoinGroup(L"g", 1);
    reg.JoinGroup(L"g", 2);
    reg.JoinGroup(L"g", 2);
    reg.JoinGroup(L"h", 3);
    EXPECT_EQ((std::vector<ElementHandle>{1, 2}), reg.GroupMembers(L"g"));
    reg.LeaveGroup(L"g", 1);
    reg.LeaveGroup(L"nope", 1);
    EXPECT_EQ((std::vector<ElementHandle>{2}), reg.GroupMembers(L"g"));
}
