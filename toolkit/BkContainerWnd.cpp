#include "toolkit/BkContainerWnd.h"

CBkContainerWnd::~CBkContainerWnd()
{
    DestroyChildren();
}

CBkWindow* CBkContainerWnd::FindChildById(int32_t id)
{
    for (const auto& child : children_) {
        if (child->Id() == id)
            return child.get();
    }
    for (const auto& child : children_) {
        if (!child->IsContainer())
            continue;
        if (CBkWindow* found = static_cast<CBkContainerWnd*>(child.get())->FindChildById(id))
            return found;
    }
    return nullptr;
}

void CBkContainerWnd::RepositionChildren()
{
    for (const auto& child : children_)
        RepositionChild(child.get());
}

void CBkContainerWnd::AppendChild(std::unique_ptr<CBkWindow> child)
{
    if (child)
        children_.push_back(std::move(child));
}

void CBkContainerWnd::DestroyChildren()
{
    // Moved out first so a child's handler never sees a half-emptied list.
    std::vector<std::unique_ptr<CBkWindow>> doomed;
    doomed.swap(children_);
    for (const auto& child : doomed) {
        LRESULT ignored = 0;
        child->ProcessMessage(child->Host(), WM_DESTROY, 0, 0, &ignored);
    }
}
