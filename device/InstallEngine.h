// Installs a batch of packages one after the other and reports each
// outcome synchronously through one process-wide progress record.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "device/ConsoleRunner.h"
#include "device/InstallReporter.h"
#include "device/InstallResult.h"
#include "device/InstallTarget.h"

// The record whose address each WM_INSTALL_PROGRESS carries. The owner may
// change it while it handles the report; the engine refills every field
// before the next one.
struct InstallProgress {
    std::wstring packagePath;  // as queued, not the temporary copy
    InstallResult result = InstallSuccess;
    std::int32_t index = 0;    // position within the batch, from 0
    // Why, in the window's Chinese, when the bridge tool said (a bundle it
    // refused); shown under the outcome's message. Empty otherwise.
    std::wstring reason;
    // Result 7: the phones attached then, for the owner to offer a choice.
    std::vector<Phone> phones;
    // Installs that name their phone: each phone's outcome, in turn; the
    // result is then the first failure's, or a success when all succeeded.
    std::vector<PhoneOutcome> perPhone;
};

// The one record of the process.
InstallProgress& TheInstallProgress();

// How long a package that vanished from its path is waited for before it
// is reported as not found.
constexpr int kVanishedPackagePauseMs = 5000;

class InstallEngine {
public:
    // The bridge tool beside the program and the user's temporary folder.
    InstallEngine();
    // An explicit bridge tool and temporary folder (tools and tests).
    InstallEngine(std::wstring bridgeToolPath, std::wstring tempFolder);

    InstallEngine(const InstallEngine&) = delete;
    InstallEngine& operator=(const InstallEngine&) = delete;

    // Queues the paths in order and runs the batch on the calling thread.
    void InstallAll(std::vector<std::wstring> paths, InstallReporter& reporter);
    // Runs until the queue is empty; one WM_INSTALL_PROGRESS per package
    // tried, and a batch-ending result drops the rest without reports.
    void InstallQueued(InstallReporter& reporter);

    // From any thread: the running bridge tool stops being waited for.
    void RequestStop();
    // Where the next batch installs; a batch keeps the target it began with.
    void SetTarget(InstallTarget target);
    InstallTarget Target() const;
    // The next batch first uninstalls each package's app signed by someone
    // else (the user confirmed losing its data); later batches do not.
    void ReplaceOtherSignerOnce();
    std::int32_t PendingCount() const;

    const std::wstring& BridgeToolPath() const { return bridgeToolPath_; }
    const std::wstring& TempFolder() const { return tempFolder_; }

private:
    bool TakeFront(std::wstring* path);
    // Runs the built command for `target` and fills the progress record's
    // result, reason and phones; `ready` holds the phones of an every-phone batch.
    void Install(const std::wstring& command, const InstallTarget& target, const std::vector<Phone>& ready,
                 bool replace, InstallProgress* progress);
    void DropQueue();

    std::wstring bridgeToolPath_;
    // Guarded so PendingCount may be asked from any thread; never held
    // while a report is sent, since the owner calls back into it.
    mutable std::mutex queueLock_;
    std::deque<std::wstring> pending_;
    InstallTarget target_;
    bool replaceOnce_ = false;
    std::wstring tempFolder_;
    StopFlag stop_{0};
};
