#include "inspect/ArchivePath.h"

#include <windows.h>

std::string ArchivePathBytes(const std::wstring& path)
{
    if (path.empty())
        return std::string();
    int length = static_cast<int>(path.size());
    int needed = WideCharToMultiByte(CP_THREAD_ACP, 0, path.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string bytes(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, path.data(), length, &bytes[0], needed, nullptr, nullptr);
    return bytes;
}
