// The wheel's eased scroll: a 300 ms EaseMotion stepped on the main
// window's animation timer, handing each value to its bar.
#pragma once

#include <cstdint>

#include "toolkit/scroll/EaseMotion.h"
#include "toolkit/scroll/RSAnimElement.h"

class IScrollAnimTarget {
public:
    virtual ~IScrollAnimTarget() = default;
    // The bar takes the value as its position (SetPos) and its drag follows.
    virtual void OnScrollAnimValue(int32_t value) = 0;
};

class ScrollAnim : public RSAnimElement {
public:
    static constexpr int32_t kDuration = 300;
    static constexpr double kSpeedRatio = 4.0;

    explicit ScrollAnim(IScrollAnimTarget* bar) : bar_(bar) {}

    void Start(int32_t from, int32_t to);
    bool Step() override;
    const EaseMotion& Motion() const { return motion_; }

private:
    IScrollAnimTarget* bar_;
    EaseMotion motion_;
};
