// The line under the outcome message that says why, in the window's
// Chinese: why a package cannot be installed, as its inspection found, or
// why its install failed, as the bridge tool said. The outcome messages
// stay as they are; this line only adds to them. It keeps out of the wait
// image's way while an install runs and comes back when it is done.
#pragma once

#include <string>

class CBkDialogImpl;

// A list row's status for a package no phone can take; its tip gives why.
constexpr wchar_t kCannotInstall[] = L"无法安装";

class ReasonLine {
public:
    static constexpr int kElement = 20032;

    explicit ReasonLine(CBkDialogImpl& dialog) : dialog_(dialog) {}

    // The reason for what the window shows now; empty: none.
    void Set(const std::wstring& reason);
    // Hidden while an install runs.
    void SetWaiting(bool waiting);
    // Shorter, so an offer fits at the right end of its row.
    void MakeRoom(bool room);

private:
    void Apply();

    CBkDialogImpl& dialog_;
    std::wstring reason_;
    bool waiting_ = false;
};
