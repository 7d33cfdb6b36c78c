// Where a "tabctrl" puts its headers and its page frame. Headers are laid
// out in a row along the top ("tabalign" "top") or a column down the left
// ("left"); only the pages that are not hidden take a header slot.
#pragma once

#include <cstdint>

#include "toolkit/ElementTypes.h"

struct TabMetrics {
    int32_t tabWidth = 80;
    int32_t tabHeight = 24;
    int32_t tabPos = 0;       // offset of the first header along the row
    int32_t tabSpacing = 0;   // gap between two headers
    int32_t framePos = -1;    // frame offset from the header edge; -1: the header size
    bool alignLeft = false;
};

// Header rectangle of the slot-th shown page.
ElementRect TabHeaderRect(const ElementRect& control, const TabMetrics& m, int32_t slot);
// The gap after the slot-th header, where a splitter is drawn.
ElementRect TabSplitterRect(const ElementRect& control, const TabMetrics& m, int32_t slot);
// The area the pages fill.
ElementRect TabFrameRect(const ElementRect& control, const TabMetrics& m);
// Slot whose header holds the point among slots headers, or -1.
int32_t TabSlotAt(const ElementRect& control, const TabMetrics& m, int32_t slots, int32_t x, int32_t y);
// A selection that names no page falls back to the first page (-1 without pages).
int32_t ClampTabSelection(int32_t selection, int32_t count);
