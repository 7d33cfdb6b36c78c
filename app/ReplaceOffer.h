// The way out of a signature conflict: under the outcome message of result
// 12 the window offers "卸载旧版后安装". Uninstalling deletes the app's data
// on the phone, which keeping data cannot get past, so nothing happens
// until the user confirms a warning whose default answer is No; then the
// package installs again with the old app uninstalled first.
#pragma once

#include "device/InstallEngine.h"

class CBkDialogImpl;
class ReasonLine;

class ReplaceOffer {
public:
    static constexpr int kElement = 20034;

    ReplaceOffer(CBkDialogImpl& dialog, InstallEngine& engine, ReasonLine& reason)
        : dialog_(dialog), engine_(engine), reason_(reason)
    {
    }

    // After each report: offered after a conflict in the detail view,
    // withdrawn after anything else.
    void OnProgress(const InstallProgress& progress, bool listMode);
    // Withdrawn while an install runs.
    void Withdraw() { Show(false); }
    // The click on the offer: true when the user confirmed, and the next
    // install uninstalls first.
    bool Confirm();

private:
    void Show(bool shown);

    CBkDialogImpl& dialog_;
    InstallEngine& engine_;
    ReasonLine& reason_;
};
