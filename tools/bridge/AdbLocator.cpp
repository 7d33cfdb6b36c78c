#include "tools/bridge/AdbLocator.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "tools/bridge/AdbWording.h"

namespace {

#ifdef _WIN32
const wchar_t kListSeparator = L';';
#else
const wchar_t kListSeparator = L':';
#endif

std::wstring In(std::wstring folder, const wchar_t* tail = nullptr)
{
    while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/'))
        folder.pop_back();
    if (tail)
        folder = folder + platform::kPathSeparator + tail;
    return folder + platform::kPathSeparator + L"adb" + platform::kExeSuffix;
}

}  // namespace

std::vector<std::wstring> AdbCandidates(const std::wstring& shimFolder,
                                        const std::function<std::wstring(const wchar_t*)>& env)
{
    std::vector<std::wstring> places{In(shimFolder)};
    const std::wstring path = env(L"PATH");
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find(kListSeparator, at);
        if (end == std::wstring::npos)
            end = path.size();
        std::wstring folder = path.substr(at, end - at);
        // Windows allows a quoted PATH entry.
        if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
            folder = folder.substr(1, folder.size() - 2);
        if (!folder.empty())
            places.push_back(In(folder));
        at = end + 1;
    }
    for (const wchar_t* sdk : {L"ANDROID_HOME", L"ANDROID_SDK_ROOT"}) {
        const std::wstring root = env(sdk);
        if (!root.empty())
            places.push_back(In(root, L"platform-tools"));
    }
#ifdef _WIN32
    const std::wstring home = env(L"LOCALAPPDATA");
    if (!home.empty())
        places.push_back(In(home + L"\\Android\\Sdk", L"platform-tools"));
#else
    const std::wstring home = env(L"HOME");
    if (!home.empty())
        places.push_back(In(home + L"/Android/Sdk", L"platform-tools"));
#endif
    return places;
}

std::wstring FindAdb(const std::vector<std::wstring>& candidates)
{
    for (const std::wstring& place : candidates)
        if (platform::FileExists(place))
            return place;
    return std::wstring();
}

std::string AdbMissingReport(const std::vector<std::wstring>& candidates)
{
    // The first places say enough (beside us, then PATH); a long PATH of
    // long folders must not push the report past what the program reads.
    constexpr size_t kNamed = 4;
    constexpr size_t kPlaceBytes = 160;
    std::string looked;
    for (size_t i = 0; i < candidates.size() && i < kNamed; ++i) {
        std::string place = WideToUtf8(candidates[i]);
        if (place.size() > kPlaceBytes) {
            size_t cut = kPlaceBytes;
            while (cut > 0 && (static_cast<unsigned char>(place[cut]) & 0xC0) == 0x80)
                --cut;
            place = place.substr(0, cut) + "...";
        }
        looked += (looked.empty() ? "" : "; ") + place;
    }
    if (candidates.size() > kNamed)
        looked += "; and " + std::to_string(candidates.size() - kNamed) + " more";
    return "error: device not found\nkorvel_helper: adb was not found; looked for it at: " + Defanged(looked) + "\n";
}
