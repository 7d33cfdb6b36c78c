// The frame arithmetic of the rotating wait image: each sub-image stays
// for five animation ticks.
#pragma once

#include <cstdint>

class WaitFrames {
public:
    void Reset(std::int32_t frameCount)
    {
        counter_ = 0;
        frames_ = frameCount;
    }

    // Advances one tick; true when the sub-image changes, with the new one
    // in *subImage.
    bool Advance(std::uint32_t* subImage);

    std::int32_t Counter() const { return counter_; }
    // For callers that resume from a stored value (any value is safe).
    void SetCounter(std::int32_t value) { counter_ = value; }

private:
    std::int32_t counter_ = 0;
    std::int32_t frames_ = 0;
};
