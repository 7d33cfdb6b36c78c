#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "inspect/PackageInfo.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

nlohmann::ordered_json RecordToJson(const PackageInfo& info)
{
    nlohmann::ordered_json permissions = nlohmann::ordered_json::array();
    for (const PermissionInfo& p : info.GetPermissions())
        permissions.push_back({{"level", WideToUtf8(p.level)}, {"title", WideToUtf8(p.title)}});
    return {
        {"apkPath", WideToUtf8(info.GetApkPath())},
        {"label", WideToUtf8(info.GetLabel())},
        {"packageName", WideToUtf8(info.GetPackageName())},
        {"versionName", WideToUtf8(info.GetVersionName())},
        {"sdkVersion", WideToUtf8(info.GetSdkVersion())},
        {"size", WideToUtf8(info.GetSize())},
        {"iconPath", WideToUtf8(info.GetIconPath())},
        {"permissions", permissions},
    };
}

}  // namespace

int RunInspect(const Args& args)
{
    std::wstring aapt;
    std::wstring package;
    bool haveAapt = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--aapt" && i + 1 < args.size() && !haveAapt) {
            aapt = args[++i];
            haveAapt = true;
        } else if (package.empty() && !args[i].empty() && args[i].compare(0, 2, L"--") != 0) {
            package = args[i];
        } else {
            std::fputs(kUsage, stderr);
            return kExitUsage;
        }
    }
    if (package.empty()) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
#ifndef _WIN32
    // Natively our own badging tool is built beside us under its own name;
    // on Windows it is the aapt.exe the program's default looks for.
    if (!haveAapt) {
        aapt = GetModuleDirectory() + platform::kPathSeparator + L"tarvo-badging";
        haveAapt = true;
    }
#endif
    PackageInfo info = haveAapt ? PackageInfo(aapt, package) : PackageInfo(package);
    // Tool output may hold bytes that are not text; never let them stop the record.
    PrintOut(RecordToJson(info).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
    return 0;
}
