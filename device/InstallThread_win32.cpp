// CreateThread rather than std::thread: the thread handle is closed at once
// and a failure to create it is a plain return value.
#include <windows.h>

#include <memory>

#include "device/InstallWorker.h"
#include "platform/ScopedWin.h"

namespace {

DWORD WINAPI WorkerMain(void* argument)
{
    std::unique_ptr<InstallRequest> request(static_cast<InstallRequest*>(argument));
    DWORD code = static_cast<DWORD>(RunInstallWorker(*request));
    request.reset();
    --LiveInstallWorkers();
    return code;
}

}  // namespace

bool StartInstallWorker(const InstallRequest& request)
{
    auto copy = std::make_unique<InstallRequest>(request);
    ++LiveInstallWorkers();
    ScopedHandle thread(CreateThread(nullptr, 0, &WorkerMain, copy.get(), 0, nullptr));
    if (!thread.Valid()) {
        --LiveInstallWorkers();
        return false;
    }
    copy.release();  // the thread owns it now
    return true;
}
