// The success countdown that closes the window after a single install.
#pragma once

#include <string>

class Countdown {
public:
    enum class Step {
        Cancelled,  // a package was added since start: the window stays open
        Close,      // the count is over
        Show,       // show Text()
    };

    // Any package added by drop or hand-over cancels the next countdown.
    void NotePackageAdded() { packageAdded_ = true; }
    bool PackageAdded() const { return packageAdded_; }

    // One 1000 ms tick: shows 5, 4, 3, 2, 1, 0 and closes on the seventh.
    Step Tick();
    const std::wstring& Text() const { return text_; }
    int Remaining() const { return count_; }

private:
    int count_ = 5;
    bool packageAdded_ = false;
    std::wstring text_;
};
