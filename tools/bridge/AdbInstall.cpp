#include "tools/bridge/AdbInstall.h"

#include <cwctype>

std::wstring ApkNameFor(const std::wstring& package, int attempt)
{
    const std::wstring ext = L".apk";
    bool named = package.size() > ext.size();
    for (size_t i = 0; named && i < ext.size(); ++i)
        named = static_cast<wchar_t>(std::towlower(package[package.size() - ext.size() + i])) == ext[i];
    if (named && attempt == 0)
        return package;
    return package + (attempt == 0 ? L"" : L"-" + std::to_wstring(attempt)) + ext;
}

bool PhoneTakesInstallLocation(const std::string& featuresOutput)
{
    size_t at = 0;
    while (at < featuresOutput.size()) {
        size_t end = featuresOutput.find('\n', at);
        if (end == std::string::npos)
            end = featuresOutput.size();
        std::string line = featuresOutput.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "cmd")
            return true;
        at = end + 1;
    }
    return false;
}

namespace {

std::vector<std::wstring> InstallArguments(const std::wstring& adb, const wchar_t* verb,
                                           const std::vector<std::wstring>& apks, bool sdCard,
                                           bool installLocationForm)
{
    std::vector<std::wstring> args{adb, verb, L"-r"};
    if (sdCard && installLocationForm) {
        // 2: prefer external storage, the package manager's current form.
        args.push_back(L"--install-location");
        args.push_back(L"2");
    } else if (sdCard) {
        args.push_back(L"-s");
    }
    args.insert(args.end(), apks.begin(), apks.end());
    return args;
}

}  // namespace

std::vector<std::wstring> AdbInstallArguments(const std::wstring& adb, const std::wstring& apk, bool sdCard,
                                              bool installLocationForm)
{
    return InstallArguments(adb, L"install", {apk}, sdCard, installLocationForm);
}

std::vector<std::wstring> AdbInstallMultipleArguments(const std::wstring& adb, const std::vector<std::wstring>& apks,
                                                      bool sdCard, bool installLocationForm)
{
    return InstallArguments(adb, L"install-multiple", apks, sdCard, installLocationForm);
}
