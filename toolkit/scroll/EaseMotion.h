// A value moving from its start to a target in a fixed time with a
// constant change of speed: it starts at the given multiple of the distance
// per second and covers the distance exactly in the duration.
#pragma once

#include <cstdint>

class EaseMotion {
public:
    // start = current = value.
    void SetValue(int32_t value);
    // From the current value to target in duration ms, initial speed
    // distance x ratio per second; a duration of 0 changes nothing.
    void Animate(int32_t target, int32_t duration, double ratio);
    // The value now; false once the motion is over (out = target then) or
    // when it never ran (out untouched).
    bool Step(int32_t* out);

    int32_t Start() const { return start_; }
    int32_t Target() const { return target_; }
    int32_t Current() const { return current_; }
    uint32_t StartTick() const { return startTick_; }
    double Acceleration() const { return acceleration_; }
    int32_t Speed() const { return speed_; }
    int32_t Duration() const { return duration_; }
    int32_t Delay() const { return delay_; }

private:
    int32_t start_ = 0;
    int32_t target_ = 0;
    int32_t current_ = 0;
    uint32_t startTick_ = 0;
    double acceleration_ = 0;
    int32_t speed_ = 0;
    int32_t duration_ = 0;
    int32_t delay_ = 0;
};
