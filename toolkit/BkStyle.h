// One named style: the defaults an element copies when it reads "class".
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/BkObject.h"
#include "toolkit/ValueFormat.h"

constexpr int32_t kCursorArrow = 32512;  // IDC_ARROW
constexpr int32_t kCursorHand = 32649;   // IDC_HAND

// A font named by its code; BkFontPool turns it into a handle when drawing.
struct StyleFont {
    bool set = false;
    FontCode code = 0;
};

class BkStyle : public CBkObject {
public:
    const char* GetClassName() const override { return "class"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    uint32_t crbg = kInvalidColour;
    uint32_t crbghover = kInvalidColour;
    uint32_t crtext = kInvalidColour;
    uint32_t crhover = kInvalidColour;
    uint32_t crdisabled = 0xCCCCCC;
    uint32_t textmode = 0x24;  // DT_SINGLELINE | DT_VCENTER
    StyleFont font;
    StyleFont hoverfont;
    int32_t xMargin = 0;
    int32_t yMargin = 0;
    int32_t spacing = 0;
    int32_t linespacing = 20;
    int32_t cursor = kCursorArrow;
    std::string skin;
    std::string uporleft;
    std::string downorright;
    std::string thumb;
    std::string rail;
    std::string bkgd;
    std::string name;
};
