// Texts the main window derives from package paths and package facts.
#pragma once

#include <string>
#include <vector>

// Dropped files count when the part after the last '.' is, in any case,
// "apk" or a split bundle's "apks", "xapk" or "apkm".
bool IsPackagePath(const std::wstring& path);

// The part after the last '\' (the whole path when there is none).
std::wstring FileNameOf(const std::wstring& path);

// The label of a package without one: its file name cut before the last '.'.
std::wstring LabelFromPath(const std::wstring& path);

// Case-insensitive path comparison (ASCII letters), as the queue checks
// for a package that is already there.
bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b);

// Four blanks, then each title followed by " \r\n    ".
std::wstring PermissionText(const std::vector<std::wstring>& titles);

// "正在安装 <name>，请稍候...": the tip of the progress line.
std::wstring InstallingTip(const std::wstring& fileName);

// The progress line of list mode: a long name is cut to 18 characters
// with "..." so it fits the line.
std::wstring ListProgressLine(const std::wstring& fileName);
