#include "toolkit/scroll/EaseMotion.h"

#include <cmath>
#include <limits>

#include "toolkit/scroll/AnimClock.h"

namespace {

// Truncation toward zero that stays defined for values a 32-bit integer
// cannot hold (wild targets, a duration whose square wraps to 0).
int32_t TruncToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// The 32-bit products of the motion arithmetic, wrapping as the integers do.
int32_t Mul32(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t Add32(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

void EaseMotion::SetValue(int32_t value)
{
    start_ = value;
    current_ = value;
}

void EaseMotion::Animate(int32_t target, int32_t duration, double ratio)
{
    if (duration == 0)
        return;
    duration_ = duration;
    start_ = current_;
    target_ = target;
    const int32_t distance = static_cast<int32_t>(static_cast<uint32_t>(target) - static_cast<uint32_t>(start_));
    speed_ = TruncToInt32(distance * ratio);
    const double covered = Mul32(speed_, duration) / 1000.0;
    const double squared = Mul32(duration, duration) / 1000000.0;
    acceleration_ = (distance - covered) * 2.0 / squared;
    startTick_ = AnimTickNow();
    delay_ = 0;
}

bool EaseMotion::Step(int32_t* out)
{
    if (duration_ <= 0)
        return false;
    int32_t t = static_cast<int32_t>(AnimTickNow() - startTick_);
    if (t < delay_) {
        *out = start_;
        return true;
    }
    t -= delay_;
    if (t >= duration_) {
        duration_ = 0;
        start_ = target_;
        current_ = target_;
        *out = target_;
        return false;
    }
    const double eased = t * acceleration_ * t / 2000000.0 + Mul32(speed_, t) / 1000.0;
    current_ = Add32(start_, TruncToInt32(eased));
    *out = current_;
    return true;
}
