// The install worker: one thread per install request, serialised by the
// process-wide InstallLock so two batches never interleave.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "device/InstallEngine.h"
#include "device/InstallReporter.h"

// Held by a worker for its whole batch. The window's thread never takes
// it, so a worker holding it can always get its reports handled.
std::mutex& InstallLock();

struct InstallRequest {
    InstallEngine* engine = nullptr;
    InstallReporter* reporter = nullptr;
    // The owner's list of package paths, asked on the worker thread: once
    // to see whether there is anything to do, and once right after
    // WM_INSTALL_START has been handled for the copy that is installed.
    // The owner makes it safe against its own thread changing the list.
    std::function<std::vector<std::wstring>()> pendingPaths;
};

// The worker's procedure, on the calling thread: takes InstallLock; with an
// empty list sends nothing; otherwise WM_INSTALL_START, the batch,
// WM_INSTALL_DONE. Returns the thread's exit code, 1.
int RunInstallWorker(const InstallRequest& request);

// Runs RunInstallWorker on a new detached thread; false when no thread
// could be made (nothing was sent then).
bool StartInstallWorker(const InstallRequest& request);

// Workers started and not yet ended (StartInstallWorker counts them). While
// one lives the program must not run its static destructors at exit: the
// worker may still be inside the objects they would destroy.
std::atomic<int>& LiveInstallWorkers();
