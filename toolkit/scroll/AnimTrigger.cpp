#include "toolkit/scroll/AnimTrigger.h"

#include <algorithm>

#include "toolkit/scroll/AnimElement.h"
#include "toolkit/scroll/RSAnimElement.h"

AnimTrigger::~AnimTrigger()
{
    for (AnimElement* element : attached_)
        element->trigger_ = nullptr;
    attached_.clear();
    elements_.clear();
    if (MainAnimTrigger() == this)
        SetMainAnimTrigger(nullptr);
}

bool AnimTrigger::StepAll()
{
    // Step may start or stop other elements, so walk by index over the
    // live list rather than with iterators.
    for (size_t i = 0; i < elements_.size();) {
        AnimElement* element = elements_[i];
        if (element->active_ && element->Step()) {
            ++i;
            continue;
        }
        element->active_ = false;
        // The step may have moved the element; erase it where it is now.
        auto at = std::find(elements_.begin(), elements_.end(), element);
        if (at == elements_.end())
            continue;
        size_t index = static_cast<size_t>(at - elements_.begin());
        elements_.erase(at);
        if (index < i)
            --i;
    }
    return !elements_.empty();
}

void AnimTrigger::Add(AnimElement* element)
{
    if (!element)
        return;
    if (elements_.empty())
        RunningChanged(true);
    if (!Contains(element))
        elements_.push_back(element);
}

void AnimTrigger::Remove(AnimElement* element)
{
    auto at = std::find(elements_.begin(), elements_.end(), element);
    if (at == elements_.end())
        return;
    elements_.erase(at);
    if (elements_.empty())
        RunningChanged(false);
}

bool AnimTrigger::Contains(const AnimElement* element) const
{
    return std::find(elements_.begin(), elements_.end(), element) != elements_.end();
}
