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
    std::int32_t PendingCount() const;

    const std::wstring& BridgeToolPath() const { return bridgeToolPath_; }
    const std::wstring& TempFolder() const { return tempFolder_; }

private:
    bool TakeFront(std::wstring* path);
    void DropQueue();

    std::wstring bridgeToolPath_;
    // Guarded so PendingCount may be asked from any thread; never held
    // while a report is sent, since the owner calls back into it.
    mutable std::mutex queueLock_;
    std::deque<std::wstring> pending_;
    std::wstring tempFolder_;
    StopFlag stop_{0};
};
