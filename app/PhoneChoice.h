// The window's choice among several phones. An install that finds more
// than one phone keeps its outcome message, and the phones are offered at
// once in a menu at the install button; the phone chosen (or every ready
// phone) takes that install and every later one for the rest of the
// window's life, and its model shows in a line of its own. A chosen phone
// that went away (result 1) is dropped, so adb chooses again.
#pragma once

#include <string>
#include <vector>

#include "device/InstallEngine.h"

class CBkDialogImpl;

class PhoneChoice {
public:
    static constexpr int kElement = 20033;       // "安装到：Pixel 7"
    static constexpr int kInstallButton = 20003;  // the menu's anchor

    PhoneChoice(CBkDialogImpl& dialog, InstallEngine& engine) : dialog_(dialog), engine_(engine) {}

    // After each package's report: keeps a result 7's phones for the
    // offer and drops a chosen phone that went away. Returns the line to
    // show under the outcome message: each phone's outcome after an
    // install on every phone, else the report's own reason.
    std::wstring OnProgress(const InstallProgress& progress);
    // Whether the batch just ended left phones to offer.
    bool HasOffer() const { return !offered_.empty(); }
    // Shows the menu; true when a phone, or every phone, was chosen.
    bool Offer();

private:
    void Choose(const InstallTarget& target);

    CBkDialogImpl& dialog_;
    InstallEngine& engine_;
    std::vector<Phone> offered_;
};
