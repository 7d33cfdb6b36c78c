// The top-level window of a layer: borderless in look, modal through its
// own message loop, and the base of the application's window controllers.
// Enter, Escape and closing reach the controller as clicks with ids 1 and 2.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "toolkit/host/BkDialogView.h"

class CBkDialogImpl {
public:
    explicit CBkDialogImpl(unsigned layoutId);
    virtual ~CBkDialogImpl();
    CBkDialogImpl(const CBkDialogImpl&) = delete;
    CBkDialogImpl& operator=(const CBkDialogImpl&) = delete;

    // nullptr when the layout does not load.
    HWND Create(HWND owner, const RECT* rect = nullptr);
    // The result given to EndDialog; 0 when the window cannot be made.
    INT_PTR DoModal(HWND owner = nullptr, const RECT* rect = nullptr);
    void EndDialog(INT_PTR result);

    HWND GetHwnd() const { return hwnd_; }
    CBkDialogView& View() { return view_; }
    bool Created() const { return created_; }

    // Runtime access by element id; false when no element has the id.
    CBkWindow* FindItem(int32_t id) const { return view_.FindElement(id); }
    bool SetItemText(int32_t id, const std::wstring& text) { return view_.SetElementText(id, text); }
    bool SetItemAttribute(int32_t id, const char* name, const std::string& utf8)
    {
        return view_.SetElementAttribute(id, name, utf8);
    }
    bool SetItemAttribute(int32_t id, const char* name, const std::wstring& value)
    {
        return view_.SetElementAttribute(id, name, value);
    }
    bool SetItemIntAttribute(int32_t id, const char* name, int32_t value)
    {
        return view_.SetElementIntAttribute(id, name, value);
    }
    bool EnableItem(int32_t id, bool enable) { return view_.EnableElement(id, enable); }
    bool SetItemVisible(int32_t id, bool show) { return view_.ShowElement(id, show); }

protected:
    // Every message of the window reaches the controller first (WM_INITDIALOG,
    // WM_NOTIFY with ElementNotify, timers, ...); TRUE consumes it.
    virtual BOOL OnWindowMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void RunModalLoop();

    unsigned layoutId_;
    CBkDialogView view_;
    HWND hwnd_ = nullptr;
    INT_PTR modalResult_ = 0;
    bool created_ = false;
    bool exitLoop_ = false;
};
