// The scheduler an owner with a periodic timer derives from: it keeps the
// running animations in order and steps them on each of the owner's ticks.
// The trigger has no timer itself; RunningChanged tells the owner when to
// run one.
#pragma once

#include <cstddef>
#include <vector>

class AnimElement;

class AnimTrigger {
public:
    AnimTrigger() = default;
    // Elements still attached lose their trigger (they are not owned).
    virtual ~AnimTrigger();
    AnimTrigger(const AnimTrigger&) = delete;
    AnimTrigger& operator=(const AnimTrigger&) = delete;

    // Steps every element in list order; inactive or finished ones leave
    // the list. Does not call RunningChanged. True while elements remain.
    virtual bool StepAll();
    // running: the list just became non-empty (true) or empty (false).
    virtual void RunningChanged(bool running) = 0;

    // On an empty list first RunningChanged(true); no duplicates.
    void Add(AnimElement* element);
    // RunningChanged(false) when the list is then empty.
    void Remove(AnimElement* element);
    bool Contains(const AnimElement* element) const;
    size_t Count() const { return elements_.size(); }

private:
    friend class AnimElement;

    std::vector<AnimElement*> elements_;
    // Every element whose trigger this is, listed or not, so neither side
    // outlives the other with a dangling pointer.
    std::vector<AnimElement*> attached_;
};
