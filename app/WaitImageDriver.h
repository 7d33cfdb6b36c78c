// What the rotating wait image needs from the window that shows it.
#pragma once

#include <string>

class AnimTrigger;

class WaitImageDriver {
public:
    virtual ~WaitImageDriver() = default;
    virtual void ShowWaitElement(int id, bool show) = 0;
    virtual void SetWaitElementAttribute(int id, const char* name, const std::string& value) = 0;
    // The scheduler the image steps on (the window's 30 ms tick).
    virtual AnimTrigger* WaitTrigger() = 0;
};
