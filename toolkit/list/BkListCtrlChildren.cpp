// The owner's helpers on the row template's children: each finds the child
// by id, changes it and asks the host to repaint it.
#include "toolkit/list/BkListCtrl.h"

#include <cstdio>

#include "platform/Text.h"

CBkWindow* CBkListCtrl::TemplateChild(int32_t id)
{
    return template_ && id != 0 ? template_->FindChildById(id) : nullptr;
}

int32_t CBkListCtrl::SetChildAttribute(int32_t id, const std::string& name, const std::string& value)
{
    CBkWindow* child = TemplateChild(id);
    if (!child)
        return 0;
    child->SetAttribute(name, value, false);
    RedrawRect(child->Rect());
    return 1;
}

int32_t CBkListCtrl::SetChildAttributeUInt(int32_t id, const std::string& name, uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u", value);
    return SetChildAttribute(id, name, text);
}

int32_t CBkListCtrl::SetChildText(int32_t id, const std::wstring& text)
{
    CBkWindow* child = TemplateChild(id);
    if (!child)
        return 0;
    child->SetText(text);
    CBkWindow* parent = child->GetParent();
    if (parent && parent->IsContainer())
        static_cast<CBkContainerWnd*>(parent)->RepositionChild(child);
    else
        child->FitToContent();
    RedrawRect(child->Rect());
    return 1;
}

int32_t CBkListCtrl::ShowChild(int32_t id, bool show)
{
    CBkWindow* child = TemplateChild(id);
    if (!child)
        return 0;
    SendElement(child, host_, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    RedrawRect(child->Rect());
    return 1;
}

int32_t CBkListCtrl::SetChildCheck(int32_t id, bool checked)
{
    CBkWindow* child = TemplateChild(id);
    if (!child)
        return 0;
    if (checked)
        child->ModifyState(StateChecked, 0);
    else
        child->ModifyState(0, StateChecked);
    RedrawRect(child->Rect());
    return 1;
}

int32_t CBkListCtrl::GetChildCheck(int32_t id)
{
    CBkWindow* child = TemplateChild(id);
    return child && (child->State() & StateChecked) ? 1 : 0;
}

int32_t CBkListCtrl::SetChildTip(int32_t id, const std::wstring& tip)
{
    CBkWindow* child = TemplateChild(id);
    if (!child)
        return 0;
    child->SetAttribute("tip", WideToUtf8(tip), false);
    return 1;
}
