#include "toolkit/controls/TabGeometry.h"

namespace {
int64_t Clamp32(int64_t v)
{
    return v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v);
}
}  // namespace

ElementRect TabHeaderRect(const ElementRect& c, const TabMetrics& m, int32_t slot)
{
    // 64-bit steps: sizes come from layout text and may be absurd.
    int64_t step = static_cast<int64_t>(m.alignLeft ? m.tabHeight : m.tabWidth) + m.tabSpacing;
    int64_t along = static_cast<int64_t>(m.tabPos) + step * slot;
    ElementRect r;
    if (m.alignLeft) {
        r.left = c.left;
        r.right = static_cast<int32_t>(Clamp32(static_cast<int64_t>(c.left) + m.tabWidth));
        r.top = static_cast<int32_t>(Clamp32(c.top + along));
        r.bottom = static_cast<int32_t>(Clamp32(static_cast<int64_t>(r.top) + m.tabHeight));
    } else {
        r.top = c.top;
        r.bottom = static_cast<int32_t>(Clamp32(static_cast<int64_t>(c.top) + m.tabHeight));
        r.left = static_cast<int32_t>(Clamp32(c.left + along));
        r.right = static_cast<int32_t>(Clamp32(static_cast<int64_t>(r.left) + m.tabWidth));
    }
    return r;
}

ElementRect TabSplitterRect(const ElementRect& c, const TabMetrics& m, int32_t slot)
{
    ElementRect h = TabHeaderRect(c, m, slot);
    ElementRect r = h;
    if (m.alignLeft) {
        r.top = h.bottom;
        r.bottom = static_cast<int32_t>(Clamp32(static_cast<int64_t>(h.bottom) + m.tabSpacing));
    } else {
        r.left = h.right;
        r.right = static_cast<int32_t>(Clamp32(static_cast<int64_t>(h.right) + m.tabSpacing));
    }
    return r;
}

ElementRect TabFrameRect(const ElementRect& c, const TabMetrics& m)
{
    ElementRect r = c;
    int64_t offset = m.framePos >= 0 ? m.framePos : (m.alignLeft ? m.tabWidth : m.tabHeight);
    if (m.alignLeft) {
        r.left = static_cast<int32_t>(Clamp32(c.left + offset));
        if (r.left > r.right)
            r.left = r.right;
    } else {
        r.top = static_cast<int32_t>(Clamp32(c.top + offset));
        if (r.top > r.bottom)
            r.top = r.bottom;
    }
    return r;
}

int32_t TabSlotAt(const ElementRect& c, const TabMetrics& m, int32_t slots, int32_t x, int32_t y)
{
    for (int32_t i = 0; i < slots; ++i) {
        if (TabHeaderRect(c, m, i).Contains(x, y))
            return i;
    }
    return -1;
}

int32_t ClampTabSelection(int32_t selection, int32_t count)
{
    if (count <= 0)
        return -1;
    return selection >= 0 && selection < count ? selection : 0;
}
