// Base of every time-based animation. Start puts the element on its
// trigger's list; the trigger's owner steps the list on its own timer.
#pragma once

#include <cstdint>

class AnimTrigger;

class AnimElement {
public:
    AnimElement() = default;
    // Leaves its trigger, if it has one.
    virtual ~AnimElement();
    AnimElement(const AnimElement&) = delete;
    AnimElement& operator=(const AnimElement&) = delete;

    // Computes progress from the time since StartTime and applies it; true
    // while the animation goes on.
    virtual bool Step() = 0;

    void SetTrigger(AnimTrigger* trigger);
    AnimTrigger* Trigger() const { return trigger_; }
    // Joins the trigger (once), sets the active flag, restarts the clock.
    void Start();
    // The element leaves the list at the trigger's next Step all.
    void Stop() { active_ = false; }
    bool IsActive() const { return active_; }
    uint32_t StartTime() const { return startTime_; }

private:
    friend class AnimTrigger;

    uint32_t startTime_ = 0;
    AnimTrigger* trigger_ = nullptr;
    bool active_ = false;
};
