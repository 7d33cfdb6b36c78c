// Reading the inspection tool's text: the field patterns, the sdk names and
// the size text. Pure functions, so they are tested and fuzzed directly.
#pragma once

#include <string>
#include <vector>

struct BadgingFields {
    std::wstring label;
    std::wstring packageName;
    std::wstring versionName;
    std::wstring sdkVersion;  // already mapped to "Android x.y" where known
    std::wstring iconPath;
};

bool HasDumpFailed(const std::wstring& output);

BadgingFields ParseBadgingFields(const std::wstring& output);

// "8" -> "Android 2.2"; levels without a name are kept as read.
std::wstring MapSdkLevel(const std::wstring& level);

// Requested permission names in output order, from both the old
// "uses-permission:'…'" and today's "uses-permission: name='…'" lines.
std::vector<std::wstring> RequestedPermissionNames(const std::wstring& output);

// Byte count to "1.50 KB" and the like (1024 steps, inclusive thresholds).
std::wstring FormatFileSize(double bytes);
