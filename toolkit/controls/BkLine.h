// "hr": a line from the top-left corner to the bottom-right corner in the
// background colour, over the usual background fill; equal top and bottom
// make a horizontal rule.
#pragma once

#include "toolkit/BkWindow.h"
#include "toolkit/controls/LineStyle.h"

class CBkLine : public CBkWindow {
public:
    const char* GetClassName() const override { return "hr"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    int32_t PenStyle() const { return penStyle_; }
    int32_t PenWidth() const { return penWidth_; }

protected:
    void OnPaint(HDC dc) override;

    int32_t penStyle_ = LineSolid;
    int32_t penWidth_ = 1;
};
