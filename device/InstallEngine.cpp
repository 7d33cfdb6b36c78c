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
    const InstallTarget target = Target();
    bool replace = false;
    {
        std::lock_guard<std::mutex> hold(queueLock_);
        std::swap(replace, replaceOnce_);
    }
    std::vector<Phone> ready;
    bool listed = false;
    std::int32_t index = 0;
    std::wstring path;
    while (TakeFront(&path)) {
        progress.phones.clear();
        progress.perPhone.clear();
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
        if (target.kind == InstallTarget::Kind::EveryPhone && !listed) {
            // Listed once a batch: a phone plugged in meanwhile waits for the next.
            for (Phone& phone : ListPhones(bridgeToolPath_, &stop_))
                if (IsReady(phone))
                    ready.push_back(std::move(phone));
            listed = true;
        }
        // One copy of the package serves every phone.
        const std::wstring command =
            BuildCommandForLocation(GetInstallLocation(), bridgeToolPath_, tempFolder_, path);
        Install(command, target, ready, replace, &progress);
        progress.packagePath = path;
        progress.index = index++;
        const InstallResult result = progress.result;
        reporter.Send(WM_INSTALL_PROGRESS, 0, reinterpret_cast<std::intptr_t>(&progress));
        if (EndsBatch(result)) {
            DropQueue();
            return;
        }
    }
}

void InstallEngine::Install(const std::wstring& command, const InstallTarget& target,
                            const std::vector<Phone>& ready, bool replace, InstallProgress* progress)
{
    auto run = [&](std::vector<ToolVariable> variables) {
        if (replace)
            variables.push_back({kReplaceOtherSignerVariable, L"1"});
        const std::wstring output = RunUntilExit(command, &stop_, variables);
        progress->reason = RefusalText(FindRefusal(WideToUtf8(output)));
        return ClassifyInstallOutput(output);
    };
    if (target.kind == InstallTarget::Kind::OnePhone) {
        progress->result = run(PhoneVariables(target.phone));
        progress->perPhone.push_back({target.phone, progress->result});
        return;
    }
    if (target.kind == InstallTarget::Kind::AdbChooses || ready.empty()) {
        // No ready phone to name: adb says why (none, unauthorized, offline).
        progress->result = run({});
        if (progress->result == InstallMultipleDevices)
            progress->phones = ListPhones(bridgeToolPath_, &stop_);
        return;
    }
    std::wstring firstReason;
    progress->result = InstallSuccess;
    for (const Phone& phone : ready) {
        const InstallResult result = run(PhoneVariables(phone));
        progress->perPhone.push_back({phone, result});
        if (result != InstallSuccess && progress->result == InstallSuccess) {
            progress->result = result;
            firstReason = progress->reason;
        }
    }
    progress->reason = firstReason;
}

void InstallEngine::SetTarget(InstallTarget target)
{
    std::lock_guard<std::mutex> hold(queueLock_);
    target_ = std::move(target);
}

InstallTarget InstallEngine::Target() const
{
    std::lock_guard<std::mutex> hold(queueLock_);
    return target_;
}

void InstallEngine::ReplaceOtherSignerOnce()
{
    std::lock_guard<std::mutex> hold(queueLock_);
    replaceOnce_ = true;
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
