#include "app/PackageText.h"

#include "platform/Text.h"

bool IsPackagePath(const std::wstring& path)
{
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos)
        return false;
    std::wstring ext = path.substr(dot + 1);
    for (const wchar_t* kind : {L"apk", L"apks", L"xapk", L"apkm"})
        if (SamePathIgnoringCase(ext, kind))
            return true;
    return false;
}

std::wstring FileNameOf(const std::wstring& path)
{
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring LabelFromPath(const std::wstring& path)
{
    std::wstring name = FileNameOf(path);
    size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return SameIgnoringCase(a, b);
}

std::wstring PermissionText(const std::vector<std::wstring>& titles)
{
    std::wstring text = L"    ";
    for (const std::wstring& t : titles)
        text += t + L" \r\n    ";
    return text;
}

std::wstring InstallingTip(const std::wstring& fileName)
{
    return L"正在安装 " + fileName + L"，请稍候...";
}

std::wstring ListProgressLine(const std::wstring& fileName)
{
    std::wstring line = L"正在安装 " + fileName;
    if (line.size() > 17)
        return line.substr(0, 18) + L"...";
    return line + L"，请稍候...";
}
