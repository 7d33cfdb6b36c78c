#include "app/PhoneMenu.h"

#include <memory>
#include <type_traits>

#include "app/UiTrace.h"
#include "platform/ScopedWin.h"
#include "toolkit/BkFontPool.h"

namespace {

constexpr wchar_t kOwnerClass[] = L"TarvoPhoneMenuOwner";
constexpr int kPadX = 12, kPadY = 6, kMinHeight = 24;

struct MenuState {
    const std::vector<PhoneEntry>* entries;
    HFONT font;
};

const PhoneEntry* EntryOf(const MenuState* state, ULONG_PTR data)
{
    return state && data < state->entries->size() ? &(*state->entries)[data] : nullptr;
}

void Measure(const MenuState* state, HWND window, MEASUREITEMSTRUCT* item)
{
    const PhoneEntry* entry = EntryOf(state, item->itemData);
    if (!entry)
        return;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, state->font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, entry->text.c_str(), static_cast<int>(entry->text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    item->itemWidth = static_cast<UINT>(size.cx + 2 * kPadX);
    item->itemHeight = static_cast<UINT>(size.cy + 2 * kPadY > kMinHeight ? size.cy + 2 * kPadY : kMinHeight);
}

void Draw(const MenuState* state, const DRAWITEMSTRUCT* item)
{
    const PhoneEntry* entry = EntryOf(state, item->itemData);
    if (!entry)
        return;
    const bool disabled = (item->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool selected = (item->itemState & ODS_SELECTED) != 0 && !disabled;
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    HGDIOBJ old = SelectObject(item->hDC, state->font);
    RECT text = item->rcItem;
    text.left += kPadX;
    text.right -= kPadX;
    DrawTextW(item->hDC, entry->text.c_str(), static_cast<int>(entry->text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(item->hDC, old);
}

// The menu's owner: a hidden child of the window, so the window's own
// procedure never sees the menu's drawing messages.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* state = reinterpret_cast<const MenuState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_MEASUREITEM) {
        Measure(state, window, reinterpret_cast<MEASUREITEMSTRUCT*>(lparam));
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        Draw(state, reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterOwnerClass()
{
    static const ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kOwnerClass;
        return RegisterClassW(&wc);
    }();
    return atom != 0;
}

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

struct WindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};

}  // namespace

int ShowPhoneMenu(HWND owner, const RECT& anchor, const std::vector<PhoneEntry>& entries)
{
    if (entries.empty() || !RegisterOwnerClass())
        return -1;
    MenuState state = {&entries, BkFontPool::Instance().GetFont(0)};
    std::unique_ptr<std::remove_pointer<HWND>::type, WindowDeleter> helper(
        CreateWindowExW(0, kOwnerClass, L"", WS_CHILD, 0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr));
    std::unique_ptr<std::remove_pointer<HMENU>::type, MenuDeleter> menu(CreatePopupMenu());
    if (!helper || !menu)
        return -1;
    SetWindowLongPtrW(helper.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

    std::vector<std::wstring> traced;
    for (size_t i = 0; i < entries.size(); ++i) {
        // "All phones" stands apart from the phones.
        if (i + 1 == entries.size() && i > 0)
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        const UINT flags = MF_OWNERDRAW | (entries[i].enabled ? MF_ENABLED : MF_GRAYED);
        AppendMenuW(menu.get(), flags, i + 1, reinterpret_cast<LPCWSTR>(i));
        traced.push_back((entries[i].enabled ? L"" : L"~") + entries[i].text);
    }
    TraceMenu(traced);
    // A menu of a window in the background would not close on a click
    // elsewhere; the user asked for this install, so the window comes forward.
    SetForegroundWindow(GetAncestor(owner, GA_ROOT));
    const UINT track = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTALIGN | TPM_BOTTOMALIGN | TPM_LEFTBUTTON;
    const int chosen =
        static_cast<int>(TrackPopupMenuEx(menu.get(), track, anchor.right, anchor.top, helper.get(), nullptr));
    // Lets the menu's own loop end cleanly before the window goes on.
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen >= 1 && static_cast<size_t>(chosen) <= entries.size() ? chosen - 1 : -1;
}
