#include "device/InstallWorker.h"

std::mutex& InstallLock()
{
    static std::mutex lock;
    return lock;
}

std::atomic<int>& LiveInstallWorkers()
{
    static std::atomic<int> live{0};
    return live;
}

int RunInstallWorker(const InstallRequest& request)
{
    std::lock_guard<std::mutex> hold(InstallLock());
    if (!request.engine || !request.reporter || !request.pendingPaths)
        return 1;
    if (request.pendingPaths().empty())
        return 1;
    request.reporter->Send(WM_INSTALL_START, 0, 0);
    request.engine->InstallAll(request.pendingPaths(), *request.reporter);
    request.reporter->Send(WM_INSTALL_DONE, 0, 0);
    return 1;
}
