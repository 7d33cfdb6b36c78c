// "paintprogress": a grey rounded outline with the filled part in "crfg"
// and, with "showpercent", the percentage printed over it. "progress"
// builds on it with skins.
#pragma once

#include "toolkit/BkWindow.h"
#include "toolkit/ValueFormat.h"
#include "toolkit/controls/ProgressMath.h"

class CBkPaintProgress : public CBkWindow {
public:
    const char* GetClassName() const override { return "paintprogress"; }
    int32_t SetAttribute(const std::string& name, const std::string& value, bool loading) override;

    const ProgressRange& Range() const { return range_; }
    int32_t ShowPercent() const { return showPercent_; }
    uint32_t Foreground() const { return crfg_; }

protected:
    void OnPaint(HDC dc) override;
    // Outline or background skin over the whole rectangle.
    virtual void PaintFrame(HDC dc);
    // The filled part, filled pixels wide from the left.
    virtual void PaintFilled(HDC dc, const RECT& filled);
    // The span the filled part grows along.
    virtual RECT FillSpan() const;
    // The attributes both progress kinds share; kAttrNotRecognised otherwise.
    int32_t SetRangeAttribute(const std::string& name, const std::string& value);

    ProgressRange range_;
    int32_t showPercent_ = 0;
    uint32_t crfg_ = kInvalidColour;
};

constexpr uint32_t kProgressOutline = 0x707070;
