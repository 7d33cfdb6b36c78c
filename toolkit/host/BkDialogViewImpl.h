// Input routing of the view: hover and press by handle, the drag bands,
// clicks and double clicks as ElementNotify, links, keys, wheel, cursors,
// timers and touch.
#pragma once

#include "toolkit/host/BkViewImpl.h"

class CBkDialogViewImpl : public CBkViewImpl {
protected:
    bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

private:
    void OnMouseMove(WPARAM wparam, LPARAM lparam);
    void OnMouseLeave();
    void OnLButtonDown(WPARAM wparam, LPARAM lparam);
    void OnLButtonUp(WPARAM wparam, LPARAM lparam);
    void OnLButtonDblClk(WPARAM wparam, LPARAM lparam);
    LRESULT OnMouseWheel(WPARAM wparam, LPARAM lparam);
    void OnSetCursor(WPARAM wparam, LPARAM lparam);
    void OnTouch(WPARAM wparam, LPARAM lparam);
    void NotifyElement(uint32_t code, CBkWindow* element);
    // Sends the message to the element; the element's answer.
    LRESULT Deliver(CBkWindow* element, UINT message, WPARAM wparam, LPARAM lparam);
};
