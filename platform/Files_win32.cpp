#include "platform/Files.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdio>

const wchar_t platform::kPathSeparator = L'\\';
const wchar_t* const platform::kExeSuffix = L".exe";

std::wstring GetModuleDirectory()
{
    wchar_t buffer[255] = {};
    DWORD n = GetModuleFileNameW(nullptr, buffer, 255);
    std::wstring path(buffer, n < 255 ? n : 254);
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring GetModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0)
            return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= 32768)
            return std::wstring();
        path.resize(path.size() * 2);
    }
}

namespace platform {

bool FileExists(const std::wstring& path)
{
    return PathFileExistsW(path.c_str()) != FALSE;
}

bool TempFolder(std::wstring* folder)
{
    wchar_t buffer[256] = {};
    DWORD n = GetTempPathW(255, buffer);
    if (n == 0 || n > 255)
        return false;
    folder->assign(buffer, n);
    return true;
}

bool CreateTempFile(const std::wstring& folder, const std::wstring& prefix, std::wstring* path)
{
    wchar_t buffer[MAX_PATH] = {};
    if (GetTempFileNameW(folder.c_str(), prefix.c_str(), 0, buffer) == 0)
        return false;
    path->assign(buffer);
    return true;
}

bool CopyFileOver(const std::wstring& from, const std::wstring& to)
{
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool LinkOrCopyNew(const std::wstring& from, const std::wstring& to)
{
    if (CreateHardLinkW(to.c_str(), from.c_str(), nullptr))
        return true;
    return CopyFileW(from.c_str(), to.c_str(), TRUE) != FALSE;
}

bool RemoveFile(const std::wstring& path)
{
    return DeleteFileW(path.c_str()) != FALSE;
}

bool FileByteCount(const std::wstring& path, long long* bytes)
{
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f)
        return false;
    bool ok = _fseeki64(f, 0, SEEK_END) == 0;
    long long pos = ok ? _ftelli64(f) : -1;
    fclose(f);
    if (pos < 0)
        return false;
    *bytes = pos;
    return true;
}

}  // namespace platform
