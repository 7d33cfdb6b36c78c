#include <pthread.h>

#include <memory>

#include "device/InstallWorker.h"

namespace {

void* WorkerMain(void* argument)
{
    std::unique_ptr<InstallRequest> request(static_cast<InstallRequest*>(argument));
    RunInstallWorker(*request);
    request.reset();
    --LiveInstallWorkers();
    return nullptr;
}

}  // namespace

bool StartInstallWorker(const InstallRequest& request)
{
    // pthread directly: a failure is a return value, not an exception.
    auto copy = std::make_unique<InstallRequest>(request);
    pthread_t thread;
    ++LiveInstallWorkers();
    if (pthread_create(&thread, nullptr, &WorkerMain, copy.get()) != 0) {
        --LiveInstallWorkers();
        return false;
    }
    pthread_detach(thread);
    copy.release();
    return true;
}
