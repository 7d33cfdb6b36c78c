#include "device/InstallEngine.h"

#include <chrono>
#include <thread>

#include "bundle/Refusal.h"
#include "device/BridgeTool.h"
#include "device/InstallCommand.h"
#include "platform/Files.h"
#include "platform/Text.h"

InstallProgress& TheInstallProgress()
{
    static InstallProgress progress;
    return progress;
}

InstallEngine::InstallEngine() : InstallEngine(GetBridgeToolPath(), GetTempFolder()) {}

InstallEngine::InstallEngine(std::wstring bridgeToolPath, std::wstring tempFolder)
    : bridgeToolPath_(std::move(bridgeToolPath)), tempFolder_(std::move(tempFolder))
{
}

void InstallEngine::InstallAll(std::vector<std::wstring> paths, InstallReporter& reporter)
{
    {
        std::lock_guard<std::mutex> hold(queueLock_);
        for (std::wstring& path : paths)
            pending_.push_back(std::move(path));
    }
    InstallQueued(reporter);
}

void InstallEngine::InstallQueued(InstallReporter& reporter)
{
    InstallProgress& progress = TheInstallProgress();
    std::int32_t index = 0;
    std::wstring path;
    while (TakeFront(&path)) {
        if (!platform::FileExists(path)) {
            // Gives a package that is being moved or rewritten a moment to come back.
            std::this_thread::sleep_for(std::chrono::milliseconds(kVanishedPackagePauseMs));
            progress.packagePath = path;
            progress.result = InstallPackageNotFound;
            progress.index = index++;
            progress.reason.clear();
            reporter.Send(WM_INSTALL_PROGRESS, 0, reinterpret_cast<std::intptr_t>(&progress));
            continue;
        }
        std::wstring command = BuildCommandForLocation(GetInstallLocation(), bridgeToolPath_, tempFolder_, path);
        const std::wstring output = RunUntilExit(command, &stop_);
        const InstallResult result = ClassifyInstallOutput(output);
        progress.packagePath = path;
        progress.result = result;
        progress.index = index++;
        progress.reason = RefusalText(FindRefusal(WideToUtf8(output)));
        reporter.Send(WM_INSTALL_PROGRESS, 0, reinterpret_cast<std::intptr_t>(&progress));
        if (EndsBatch(result)) {
            DropQueue();
            return;
        }
    }
}

void InstallEngine::RequestStop()
{
    stop_.store(1, std::memory_order_relaxed);
}

std::int32_t InstallEngine::PendingCount() const
{
    std::lock_guard<std::mutex> hold(queueLock_);
    return static_cast<std::int32_t>(pending_.size());
}

bool InstallEngine::TakeFront(std::wstring* path)
{
    std::lock_guard<std::mutex> hold(queueLock_);
    if (pending_.empty())
        return false;
    *path = std::move(pending_.front());
    pending_.pop_front();
    return true;
}

void InstallEngine::DropQueue()
{
    std::lock_guard<std::mutex> hold(queueLock_);
    while (!pending_.empty())
        pending_.pop_front();
}
