// The "pos" attribute: two or four comma-separated items, each with an
// optional "|" (from the middle), "-" (back from the far edge) and "_"
// (a minus sign of the number itself).
#pragma once

#include <cstdint>
#include <string>

struct PosItem {
    bool centre = false;
    bool farEdge = false;
    int32_t value = 0;
};

struct PosList {
    int count = 0;  // 0, 2 or 4
    PosItem items[4];
};

// Returns false for an empty value, which changes nothing. Otherwise pos is
// replaced; a list of other than two or four items leaves count 0.
bool ParsePos(const std::string& text, PosList* pos);

PosItem ParsePosItem(const std::string& item);

// The item as a coordinate in the span [start, start + length).
int32_t ResolvePosItem(const PosItem& item, int32_t start, int32_t length);
