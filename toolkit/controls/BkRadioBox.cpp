#include "toolkit/controls/BkRadioBox.h"

#include "platform/Text.h"
#include "toolkit/ElementRegistry.h"

CBkRadioBox::~CBkRadioBox()
{
    if (!group_.empty())
        ElementRegistry::Instance().LeaveGroup(group_, handle_);
}

int32_t CBkRadioBox::SetAttribute(const std::string& name, const std::string& value, bool loading)
{
    if (name == "group") {
        ElementRegistry& registry = ElementRegistry::Instance();
        if (!group_.empty())
            registry.LeaveGroup(group_, handle_);
        group_ = Utf8ToWide(value);
        if (!group_.empty())
            registry.JoinGroup(group_, handle_);
        return kAttrApplied;
    }
    return CBkCheckBox::SetAttribute(name, value, loading);
}

void CBkRadioBox::OnRelease()
{
    state_ |= StateChecked;
    Repaint();
    if (group_.empty())
        return;
    ElementRegistry& registry = ElementRegistry::Instance();
    for (ElementHandle member : registry.GroupMembers(group_)) {
        if (member == handle_)
            continue;
        auto* other = dynamic_cast<CBkRadioBox*>(registry.Find(member));
        if (other && (other->State() & StateChecked)) {
            other->ModifyState(0, StateChecked);
            other->Repaint();
        }
    }
}
