#include "app/WaitRotateIco.h"

#include <string>

void WaitRotateIco::SetUp(WaitImageDriver* driver, int elementId, std::int32_t frameCount)
{
    driver_ = driver;
    elementId_ = elementId;
    frames_.Reset(frameCount);
    if (driver_ && !Trigger())
        SetTrigger(driver_->WaitTrigger());
}

void WaitRotateIco::StartOrStop(bool start)
{
    if (!driver_)
        return;
    driver_->ShowWaitElement(elementId_, start);
    if (start)
        Start();
    else
        Stop();
}

bool WaitRotateIco::Step()
{
    std::uint32_t sub = 0;
    if (frames_.Advance(&sub) && driver_)
        driver_->SetWaitElementAttribute(elementId_, "sub", std::to_string(sub));
    // Turns until stopped.
    return true;
}
