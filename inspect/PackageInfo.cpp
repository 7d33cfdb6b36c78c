#include "inspect/PackageInfo.h"

#include "bundle/Refusal.h"
#include "device/ConsoleRunner.h"
#include "inspect/BadgingText.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "platform/Text.h"

std::wstring DefaultAaptPath()
{
    return GetModuleDirectory() + platform::kPathSeparator + L"aapt" + platform::kExeSuffix;
}

PackageInfo::PackageInfo() : aaptPath_(DefaultAaptPath()) {}

PackageInfo::PackageInfo(const std::wstring& apkPath)
    : aaptPath_(DefaultAaptPath()), apkPath_(apkPath)
{
    InspectWithRetry();
}

PackageInfo::PackageInfo(const std::wstring& aaptPath, const std::wstring& apkPath)
    : aaptPath_(aaptPath), apkPath_(apkPath)
{
    InspectWithRetry();
}

void PackageInfo::ClearTextFields()
{
    label_.clear();
    packageName_.clear();
    versionName_.clear();
    sdkVersion_.clear();
    sizeText_.clear();
    iconPath_.clear();
}

std::wstring PackageInfo::BuildBadgingCommand() const
{
    if (!platform::FileExists(aaptPath_)) {
        WriteDiagnostic(L"do not find aapt!");
        return std::wstring();
    }
    if (apkPath_.empty()) {
        WriteDiagnostic(L"do not find apk!");
        return std::wstring();
    }
    return aaptPath_ + L" d badging \"" + apkPath_ + L"\"";
}

BadgingResult PackageInfo::RunBadging()
{
    std::wstring command = BuildBadgingCommand();
    if (command.empty()) {
        WriteDiagnostic(L"apk路径准备失败");
        return BadgingNoCommand;
    }
    std::wstring output = RunWaitThenDrain(command);
    refusal_ = RefusalText(FindRefusal(WideToUtf8(output)));
    if (HasDumpFailed(output)) {
        ClearTextFields();
        WriteDiagnostic(L"error:dump failed!");
        return BadgingDumpFailed;
    }

    BadgingFields fields = ParseBadgingFields(output);
    label_ = fields.label;
    packageName_ = fields.packageName;
    versionName_ = fields.versionName;
    sdkVersion_ = fields.sdkVersion;
    iconPath_ = fields.iconPath;

    long long bytes = 0;
    if (platform::FileByteCount(apkPath_, &bytes))
        sizeText_ = FormatFileSize(static_cast<double>(bytes));
    else
        sizeText_.clear();

    for (const std::wstring& name : RequestedPermissionNames(output)) {
        auto it = catalogue_->find(name);
        if (it != catalogue_->end())
            permissions_.push_back(it->second);
    }
    return BadgingOk;
}

void PackageInfo::InspectWithRetry()
{
    const std::wstring original = apkPath_;
    BadgingResult result = RunBadging();

    std::wstring tempFolder;
    bool haveTemp = platform::TempFolder(&tempFolder);
    if (!haveTemp)
        WriteDiagnostic(L"生成临时目录失败");

    if (result != BadgingDumpFailed)
        return;
    // Without a temporary folder there is nowhere to copy to: the dump-failed
    // record (empty fields) stands.
    if (!haveTemp)
        return;

    // Some packages only read from a plain copy (odd paths, locked files).
    std::wstring copy;
    if (platform::CreateTempFile(tempFolder, L"tmp", &copy) && platform::CopyFileOver(original, copy)) {
        WriteDiagnostic(L"copy file success!");
        apkPath_ = copy;
        RunBadging();
    } else {
        WriteDiagnostic(L"copy file failed!");
        ClearTextFields();
    }
}
