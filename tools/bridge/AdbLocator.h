// Where the shim looks for Google's adb, so a user who has the Android SDK
// or only Platform-Tools needs to copy nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Candidate paths of adb, in order: beside the shim, each PATH folder,
// ANDROID_HOME and ANDROID_SDK_ROOT's platform-tools, then the SDK's default
// folder (%LOCALAPPDATA%\Android\Sdk on Windows, ~/Android/Sdk elsewhere).
// `env` reads an environment variable (empty when unset).
std::vector<std::wstring> AdbCandidates(const std::wstring& shimFolder,
                                        const std::function<std::wstring(const wchar_t*)>& env);

// The first candidate that exists; empty when none does.
std::wstring FindAdb(const std::vector<std::wstring>& candidates);

// The shim's line for a missing adb: the program's no-device wording first,
// so the batch ends at once, then the first few places adb was looked for,
// well within the bound of everything the shim prints.
std::string AdbMissingReport(const std::vector<std::wstring>& candidates);
