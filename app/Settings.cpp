#include "app/Settings.h"

#include <shlobj.h>

#include "app/SettingsRules.h"
#include "device/InstallCommand.h"

namespace {

const wchar_t kSection[] = L"Choose";
const wchar_t kKey[] = L"Position";

}  // namespace

std::wstring SettingsFilePath()
{
    wchar_t documents[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, TRUE);
    std::wstring folder = std::wstring(documents) + L"\\Korvel\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"TarvoConfig.ini";
}

void LoadSettings(const std::wstring& configPath, HWND combo, std::wstring* installLocation)
{
    wchar_t stored[6] = {};
    GetPrivateProfileStringW(kSection, kKey, L"", stored, 6, configPath.c_str());
    SendMessageW(combo, CB_SETCURSEL, LocationItemForStored(stored), 0);
    SaveSettings(configPath, combo, installLocation);
}

void SaveSettings(const std::wstring& configPath, HWND combo, std::wstring* installLocation)
{
    int item = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    *installLocation = LocationForItem(item, *installLocation);
    SetInstallLocation(*installLocation);
    WritePrivateProfileStringW(kSection, kKey, installLocation->c_str(), configPath.c_str());
}
