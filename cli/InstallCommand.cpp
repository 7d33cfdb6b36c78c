// tarvo-cli install: the window's install road without the window. The
// real engine runs on a worker; each report is printed as it arrives.
#include <algorithm>
#include <cstdio>
#include <cstring>
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
    bool replaceOtherSigner = false;
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

const char kReplaceHint[] = "用 --replace-other-signer 可以先卸载手机上的旧版再安装（会删除它在手机上的数据，执行前会询问）";

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
        } else if (a == L"--replace-other-signer" && !options->replaceOtherSigner) {
            options->replaceOtherSigner = true;
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

    const int total = static_cast<int>(options.packages.size());
    constexpr int kNotTried = 1000;
    std::vector<int> results(total, kNotTried);
    std::vector<std::vector<PhoneOutcome>> outcomes(total);
    int base = 0;  // the index of the batch's first package in the list
    InstallProgress last;
    CallbackReporter reporter([&](unsigned message, std::uintptr_t, std::intptr_t lParam) {
        if (message != WM_INSTALL_PROGRESS || lParam == 0)
            return;
        const InstallProgress& p = *reinterpret_cast<const InstallProgress*>(lParam);
        const int index = base + p.index;
        if (index >= 0 && index < total) {
            results[index] = p.result;
            outcomes[index] = p.perPhone;
        }
        last = p;
        // One line per phone when installs name their phone.
        if (p.perPhone.empty())
            PrintOut(ResultLine(index, p.result, p.packagePath, ""));
        for (const PhoneOutcome& o : p.perPhone)
            PrintOut(ResultLine(index, o.result, p.packagePath, o.phone.serial));
        // The reason, when the bridge gave one, on the line after its result.
        if (!p.reason.empty())
            PrintOut("\t" + WideToUtf8(p.reason) + "\n");
        if (p.result == InstallInconsistentCertificates && !options.replaceOtherSigner)
            PrintOut("\t" + std::string(kReplaceHint) + "\n");
    });
    auto batch = [&](std::vector<std::wstring> paths) {
        InstallRequest request;
        request.engine = engine.get();
        request.reporter = &reporter;
        request.pendingPaths = [&paths] { return paths; };
        try {
            std::thread worker([&request] { RunInstallWorker(request); });
            worker.join();
            return true;
        } catch (const std::system_error&) {
            WriteDiagnostic(L"cannot start the install worker");
            return false;
        }
    };
    if (!batch(options.packages))
        return 1;

    const int reported = static_cast<int>(std::count_if(results.begin(), results.end(), [](int r) {
        return r != kNotTried;
    }));
    // A named phone that went away ends the batch; its other packages could
    // not go either, and each gets that phone's line.
    if (options.haveDevice && reported > 0 && EndsBatch(last.result))
        for (int i = reported; i < total; ++i)
            for (const PhoneOutcome& o : last.perPhone)
                if (EndsBatch(o.result))
                    PrintOut(ResultLine(i, o.result, options.packages[i], o.phone.serial));

    // An app of another signer on the phone: uninstalled first only when
    // the user says so here, for each package, since its data goes with it.
    for (int i = 0; i < total && options.replaceOtherSigner; ++i) {
        if (results[i] != InstallInconsistentCertificates)
            continue;
        PrintOut("卸载手机上的旧版（它在手机上的数据会被删除）后安装 " + WideToUtf8(options.packages[i]) + "？(y/n) ");
        char answer[16] = {};
        const bool yes = std::fgets(answer, sizeof answer, stdin) && (answer[0] == 'y' || answer[0] == 'Y');
        // The rest of a long answer is not the next package's.
        for (int c = 0; !std::strchr(answer, '\n') && c != '\n' && c != EOF;)
            c = std::fgetc(stdin);
        // What follows starts a line of its own, whether or not the answer was echoed.
        PrintOut("\n");
        if (!yes)
            continue;
        // On every phone, only the phones in conflict lose the old app.
        std::vector<InstallTarget> conflicted;
        for (const PhoneOutcome& o : outcomes[i])
            if (o.result == InstallInconsistentCertificates)
                conflicted.push_back({InstallTarget::Kind::OnePhone, o.phone});
        if (outcomes[i].empty())
            conflicted.push_back(options.target);
        for (const InstallTarget& target : conflicted) {
            engine->SetTarget(target);
            engine->ReplaceOtherSignerOnce();
            base = i;
            if (!batch({options.packages[i]}))
                return 1;
        }
        engine->SetTarget(options.target);
    }

    const int succeeded = static_cast<int>(std::count(results.begin(), results.end(), InstallSuccess));
    PrintOut("installed " + std::to_string(succeeded) + " of " + std::to_string(total) + ", failed " +
             std::to_string(reported - succeeded) + ", not tried " + std::to_string(total - reported) + "\n");
    return succeeded == total ? 0 : 1;
}
