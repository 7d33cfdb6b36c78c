// Process-wide tables behind element handles: handle -> element, timer id ->
// element, radio group -> members. Elements refer to each other by handle,
// so a destroyed element is simply not found.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "toolkit/ElementTypes.h"

class CBkWindow;

class ElementRegistry {
public:
    static ElementRegistry& Instance();

    // A new handle for element; handles start at 1 and are never reused.
    ElementHandle Register(CBkWindow* element);
    void Unregister(ElementHandle handle);
    CBkWindow* Find(ElementHandle handle) const;
    size_t Count() const;

    void SetTimerOwner(uintptr_t timerId, ElementHandle owner);
    ElementHandle TimerOwner(uintptr_t timerId) const;
    void RemoveTimer(uintptr_t timerId);

    void JoinGroup(const std::wstring& group, ElementHandle member);
    void LeaveGroup(const std::wstring& group, ElementHandle member);
    std::vector<ElementHandle> GroupMembers(const std::wstring& group) const;

private:
    mutable std::mutex lock_;
    ElementHandle counter_ = 0;
    std::map<ElementHandle, CBkWindow*> elements_;
    std::map<uintptr_t, ElementHandle> timers_;
    std::map<std::wstring, std::vector<ElementHandle>> groups_;
};
