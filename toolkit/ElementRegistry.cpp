#include "toolkit/ElementRegistry.h"

#include <algorithm>

ElementRegistry& ElementRegistry::Instance()
{
    // Process-wide tables live as long as the process and are never
    // destroyed: windows and elements torn down at exit still use them.
    static ElementRegistry* registry = new ElementRegistry();
    return *registry;
}

ElementHandle ElementRegistry::Register(CBkWindow* element)
{
    std::lock_guard<std::mutex> guard(lock_);
    ElementHandle handle = ++counter_;
    elements_[handle] = element;
    return handle;
}

void ElementRegistry::Unregister(ElementHandle handle)
{
    std::lock_guard<std::mutex> guard(lock_);
    elements_.erase(handle);
    for (auto it = timers_.begin(); it != timers_.end();)
        it = it->second == handle ? timers_.erase(it) : std::next(it);
}

CBkWindow* ElementRegistry::Find(ElementHandle handle) const
{
    std::lock_guard<std::mutex> guard(lock_);
    auto it = elements_.find(handle);
    return it == elements_.end() ? nullptr : it->second;
}

size_t ElementRegistry::Count() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return elements_.size();
}

void ElementRegistry::SetTimerOwner(uintptr_t timerId, ElementHandle owner)
{
    std::lock_guard<std::mutex> guard(lock_);
    timers_[timerId] = owner;
}

ElementHandle ElementRegistry::TimerOwner(uintptr_t timerId) const
{
    std::lock_guard<std::mutex> guard(lock_);
    auto it = timers_.find(timerId);
    return it == timers_.end() ? 0 : it->second;
}

void ElementRegistry::RemoveTimer(uintptr_t timerId)
{
    std::lock_guard<std::mutex> guard(lock_);
    timers_.erase(timerId);
}

void ElementRegistry::JoinGroup(const std::wstring& group, ElementHandle member)
{
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<ElementHandle>& members = groups_[group];
    if (std::find(members.begin(), members.end(), member) == members.end())
        members.push_back(member);
}

void ElementRegistry::LeaveGroup(const std::wstring& group, ElementHandle member)
{
    std::lock_guard<std::mutex> guard(lock_);
    auto it = groups_.find(group);
    if (it == groups_.end())
        return;
    std::vector<ElementHandle>& members = it->second;
    members.erase(std::remove(members.begin(), members.end(), member), members.end());
    if (members.empty())
        groups_.erase(it);
}

std::vector<ElementHandle> ElementRegistry::GroupMembers(const std::wstring& group) const
{
    std::lock_guard<std::mutex> guard(lock_);
    auto it = groups_.find(group);
    return it == groups_.end() ? std::vector<ElementHandle>() : it->second;
}
