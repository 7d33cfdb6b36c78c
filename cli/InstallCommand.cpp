// tarvo-cli install: the window's install road without the window. The
// real engine runs on a worker; each report is printed as it arrives.
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

#include "cli/Commands.h"
#include "device/BridgeTool.h"
#include "device/InstallCommand.h"
#include "device/InstallEngine.h"
#include "device/InstallTarget.h"
#include "device/InstallWorker.h"
#include "platform/Diagnostics.h"
#include "platform/Text.h"

namespace {

struct Options {
    bool sdCard = false;
    bool haveBridge = false;
    std::wstring bridge;
    bool haveDevice = false;
    InstallTarget target;
    Args packages;
};

// "all" is every ready phone; anything else one phone's serial.
InstallTarget TargetOf(const std::wstring& device)
{
    InstallTarget target;
    if (device == L"all") {
        target.kind = InstallTarget::Kind::EveryPhone;
    } else {
        target.kind = InstallTarget::Kind::OnePhone;
        target.phone.serial = WideToUtf8(device);
    }
    return target;
}

std::string ResultLine(std::int32_t index, InstallResult result, const std::wstring& path, const std::string& serial)
{
    return std::to_string(index) + "\t" + std::to_string(result) + "\t" + WideToUtf8(InstallResultName(result)) +
           "\t" + WideToUtf8(path) + (serial.empty() ? "" : "\t" + serial) + "\n";
}

bool Parse(const Args& args, Options* options)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        if (a == L"--sd" && !options->sdCard) {
            options->sdCard = true;
        } else if (a == L"--bridge" && i + 1 < args.size() && !options->haveBridge && !args[i + 1].empty()) {
            options->bridge = args[++i];
            options->haveBridge = true;
        } else if (a == L"--device" && i + 1 < args.size() && !options->haveDevice && !args[i + 1].empty()) {
            options->target = TargetOf(args[++i]);
            options->haveDevice = true;
        } else if (!a.empty() && a.compare(0, 2, L"--") != 0) {
            options->packages.push_back(a);
        } else {
            return false;
        }
    }
    return !options->packages.empty();
}

}  // namespace

int RunInstall(const Args& args)
{
    Options options;
    if (!Parse(args, &options)) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    std::unique_ptr<InstallEngine> engine(options.haveBridge ? new InstallEngine(options.bridge, GetTempFolder())
                                                             : new InstallEngine());
    SetInstallLocation(options.sdCard ? L"2" : L"1");
    engine->SetTarget(options.target);

    int reported = 0;
    int succeeded = 0;
    InstallProgress last;
    CallbackReporter reporter([&](unsigned message, std::uintptr_t, std::intptr_t lParam) {
        if (message != WM_INSTALL_PROGRESS || lParam == 0)
            return;
        const InstallProgress& p = *reinterpret_cast<const InstallProgress*>(lParam);
        ++reported;
        succeeded += p.result == InstallSuccess;
        last = p;
        // One line per phone when installs name their phone.
        if (p.perPhone.empty())
            PrintOut(ResultLine(p.index, p.result, p.packagePath, ""));
        for (const PhoneOutcome& o : p.perPhone)
            PrintOut(ResultLine(p.index, o.result, p.packagePath, o.phone.serial));
        // The reason, when the bridge gave one, on the line after its result.
        if (!p.reason.empty())
            PrintOut("\t" + WideToUtf8(p.reason) + "\n");
    });

    InstallRequest request;
    request.engine = engine.get();
    request.reporter = &reporter;
    request.pendingPaths = [&options] { return options.packages; };
    try {
        std::thread worker([&request] { RunInstallWorker(request); });
        worker.join();
    } catch (const std::system_error&) {
        WriteDiagnostic(L"cannot start the install worker");
        return 1;
    }

    const int total = static_cast<int>(options.packages.size());
    // A named phone that went away ends the batch; its other packages could
    // not go either, and each gets that phone's line.
    if (options.haveDevice && reported > 0 && EndsBatch(last.result))
        for (int i = reported; i < total; ++i)
            for (const PhoneOutcome& o : last.perPhone)
                if (EndsBatch(o.result))
                    PrintOut(ResultLine(i, o.result, options.packages[i], o.phone.serial));
    PrintOut("installed " + std::to_string(succeeded) + " of " + std::to_string(total) + ", failed " +
             std::to_string(reported - succeeded) + ", not tried " + std::to_string(total - reported) + "\n");
    return succeeded == total ? 0 : 1;
}
