// Elements that own an ordered list of children (document order).
#pragma once

#include <memory>
#include <vector>

#include "toolkit/BkWindow.h"

class CBkContainerWnd : public CBkWindow {
public:
    ~CBkContainerWnd() override;

    bool IsContainer() const override { return true; }

    // First direct child with the id, else a depth-first search of the
    // child containers in list order.
    virtual CBkWindow* FindChildById(int32_t id);
    // Places every child in list order.
    virtual void RepositionChildren();
    virtual void RepositionChild(CBkWindow* child) = 0;

    void AppendChild(std::unique_ptr<CBkWindow> child);
    // Sends every child WM_DESTROY and deletes it.
    void DestroyChildren();
    size_t ChildCount() const { return children_.size(); }
    CBkWindow* ChildAt(size_t index) const { return index < children_.size() ? children_[index].get() : nullptr; }

    bool ChildHitTestOff() const { return childHitTestOff_; }
    void SetChildHitTestOff(bool off) { childHitTestOff_ = off; }

protected:
    std::vector<std::unique_ptr<CBkWindow>> children_;
    bool childHitTestOff_ = false;
};
