#include "toolkit/scroll/ScrollAnim.h"

void ScrollAnim::Start(int32_t from, int32_t to)
{
    // A bar made before the main window named its trigger joins it now.
    if (!Trigger())
        SetTrigger(MainAnimTrigger());
    motion_.SetValue(from);
    motion_.Animate(to, kDuration, kSpeedRatio);
    AnimElement::Start();
}

bool ScrollAnim::Step()
{
    int32_t value = motion_.Current();
    const bool running = motion_.Step(&value);
    if (bar_)
        bar_->OnScrollAnimValue(value);
    return running;
}
