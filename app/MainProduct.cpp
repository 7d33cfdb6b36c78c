#include "app/MainProduct.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "app/OsName.h"
#include "app/SettingsRules.h"

const wchar_t kMainProductMissing[] = L"没有找到Korvel!";

std::wstring MainProductPath(const std::wstring& exeName)
{
    wchar_t module[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder;
    if (n > 0 && n < MAX_PATH) {
        folder.assign(module, n);
        size_t slash = folder.rfind(L'\\');
        folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
    }
    return folder + exeName;
}

bool OpenMainProduct(const std::wstring& exeName)
{
    std::wstring path = MainProductPath(exeName);
    if (!PathFileExistsW(path.c_str()))
        return false;
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = nullptr;
    info.lpVerb = MainProductVerb(GetOsName());
    info.lpFile = path.c_str();
    info.lpParameters = L"";
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
    return true;
}
