#include "toolkit/scroll/RSAnimElement.h"

namespace {

AnimTrigger*& MainSlot()
{
    static AnimTrigger* trigger = nullptr;
    return trigger;
}

}  // namespace

void SetMainAnimTrigger(AnimTrigger* trigger)
{
    MainSlot() = trigger;
}

AnimTrigger* MainAnimTrigger()
{
    return MainSlot();
}

RSAnimElement::RSAnimElement()
{
    SetTrigger(MainAnimTrigger());
}
