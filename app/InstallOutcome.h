// What the main window shows for each install result, in the detail view
// and in a list row.
#pragma once

#include <cstdint>

// The arguments of a list row's update for one result.
struct RowOutcome {
    bool showError;            // the red status element
    bool showStatus;           // the plain status element
    const wchar_t* statusText;
    const wchar_t* statusTip;
    bool final;                // the row is done and the batch moves on
};

struct InstallOutcome {
    // Text of the result line in the detail view; for a success the text
    // of the success line instead, with the result line hidden.
    const wchar_t* detailText;
    bool success;
    // The detail view enables the install button again.
    bool detailEnablesInstall;
    // The detail view is done with the package (it leaves the queue).
    bool detailFinishes;
    // The batch ends here: list mode too sets the result line and enables
    // the install button.
    bool endsBatch;
    RowOutcome row;
};

// Any value that is not a known result gets the unknown-error outcome;
// 5 and 8 read like the generic install error.
const InstallOutcome& OutcomeFor(std::int32_t result);

// The result line's text in list mode: only batch-ending results set one.
const wchar_t* ListModeResultText(std::int32_t result);
