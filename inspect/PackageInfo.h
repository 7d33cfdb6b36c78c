// The package record: what the inspection tool says about one .apk file.
#pragma once

#include <string>
#include <vector>

#include "inspect/PermissionCatalogue.h"

enum BadgingResult {
    BadgingOk = 0,
    BadgingNoCommand = 1,   // tool or package path missing
    BadgingDumpFailed = 2,  // tool said "ERROR: dump failed"
};

class PackageInfo {
public:
    // Tool path defaults to the executable's folder; nothing is run.
    PackageInfo();
    // Inspects at once, retrying on a temporary copy when the dump fails.
    explicit PackageInfo(const std::wstring& apkPath);
    PackageInfo(const std::wstring& aaptPath, const std::wstring& apkPath);

    const std::wstring& GetAaptPath() const { return aaptPath_; }
    const std::wstring& GetApkPath() const { return apkPath_; }
    const std::wstring& GetLabel() const { return label_; }
    const std::wstring& GetPackageName() const { return packageName_; }
    const std::wstring& GetVersionName() const { return versionName_; }
    const std::wstring& GetSdkVersion() const { return sdkVersion_; }
    const std::wstring& GetSize() const { return sizeText_; }
    const std::wstring& GetIconPath() const { return iconPath_; }
    std::vector<PermissionInfo> GetPermissions() const { return permissions_; }
    // Why no phone can take it, in the window's Chinese, as the inspection
    // tool found (a bundle missing a file, say); empty when nothing stops it.
    const std::wstring& GetRefusal() const { return refusal_; }

    void SetAaptPath(const std::wstring& path) { aaptPath_ = path; }
    void SetApkPath(const std::wstring& path) { apkPath_ = path; }

    BadgingResult RunBadging();
    std::wstring BuildBadgingCommand() const;

private:
    void InspectWithRetry();
    void ClearTextFields();

    // One table for every package: it never changes.
    const PermissionCatalogue* catalogue_ = &SharedPermissionCatalogue();
    std::wstring aaptPath_;
    std::wstring apkPath_;
    std::wstring label_;
    std::wstring packageName_;
    std::wstring versionName_;
    std::wstring sdkVersion_;
    std::wstring sizeText_;
    std::wstring iconPath_;
    std::wstring refusal_;
    std::vector<PermissionInfo> permissions_;
};

// Default location of the inspection tool: beside the executable.
std::wstring DefaultAaptPath();

// Byte count to "1.50 KB" and the like.
std::wstring FormatFileSize(double bytes);
