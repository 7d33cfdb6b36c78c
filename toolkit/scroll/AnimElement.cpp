#include "toolkit/scroll/AnimElement.h"

#include <algorithm>

#include "toolkit/scroll/AnimClock.h"
#include "toolkit/scroll/AnimTrigger.h"

AnimElement::~AnimElement()
{
    if (trigger_) {
        trigger_->Remove(this);
        SetTrigger(nullptr);
    }
}

void AnimElement::SetTrigger(AnimTrigger* trigger)
{
    if (trigger_ == trigger)
        return;
    if (trigger_) {
        // Off the old trigger's running list too: it would step (and, once
        // this element is gone, read) a pointer it no longer owns a say in.
        trigger_->Remove(this);
        auto& attached = trigger_->attached_;
        attached.erase(std::remove(attached.begin(), attached.end(), this), attached.end());
    }
    trigger_ = trigger;
    if (trigger_)
        trigger_->attached_.push_back(this);
}

void AnimElement::Start()
{
    if (trigger_)
        trigger_->Add(this);
    active_ = true;
    startTime_ = AnimTickNow();
}
