// Layout arithmetic of the element tree: size attributes, measuring by pos,
// placing an element in the space its container offers.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/ElementTypes.h"
#include "toolkit/PosGrammar.h"

// "width"/"height" attribute: "full", a number >= 1 (fixed) or content.
// present is false when the attribute is absent.
uint32_t SizeModeFromAttribute(bool present, const std::string& value, int32_t* fixed);

// Size of a four-item pos in an available cx x cy.
void MeasureByPos(const PosList& pos, int32_t cx, int32_t cy, int32_t* width, int32_t* height);

// rect shrunk by the margins on both sides.
ElementRect ShrinkRect(const ElementRect& rect, int32_t xMargin, int32_t yMargin);

// Top-left corner of a dlg child: items 1 and 2 resolved against the span.
void ChildCorner(const PosList& pos, const ElementRect& span, int32_t* x, int32_t* y);

struct PlacementInput {
    int32_t x = 0, y = 0, cx = 0, cy = 0;         // offered corner and size
    int32_t measuredWidth = 0, measuredHeight = 0;
    uint32_t layoutFlags = 0;
    int32_t fixedWidth = 0, fixedHeight = 0;
};

// Rectangle of an element placed at (x, y) with cx x cy on offer.
ElementRect PlaceRect(const PlacementInput& in);
