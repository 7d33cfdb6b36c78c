// The rotating wait image: steps through the sub-images of its element's
// skin, five animation ticks each.
#pragma once

#include <cstdint>

#include "app/WaitFrames.h"
#include "app/WaitImageDriver.h"
#include "toolkit/scroll/AnimElement.h"

class WaitRotateIco : public AnimElement {
public:
    // The element to turn and its skin's number of sub-images.
    void SetUp(WaitImageDriver* driver, int elementId, std::int32_t frameCount);
    // Shows and starts, or hides and stops.
    void StartOrStop(bool start);
    bool Step() override;

    WaitFrames& Frames() { return frames_; }

private:
    WaitImageDriver* driver_ = nullptr;
    int elementId_ = 0;
    WaitFrames frames_;
};
