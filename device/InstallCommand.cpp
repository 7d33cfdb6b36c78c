#include "device/InstallCommand.h"

#include <mutex>

#include "platform/Files.h"

namespace {

std::mutex g_locationLock;
std::wstring g_location;

std::wstring BuildWith(const wchar_t* options, const std::wstring& bridgeTool,
                       const std::wstring& tempFolder, const std::wstring& package)
{
    // The tool only ever sees the copy, so a path with blanks or non-ASCII
    // characters never reaches its unquoted command line.
    std::wstring copy;
    // No temporary folder: a copy "beside nothing" would land in the
    // current folder, so treat it as a failed copy.
    if (tempFolder.empty())
        return std::wstring();
    if (!platform::CreateTempFile(tempFolder, L"tmp", &copy))
        return std::wstring();
    if (!platform::CopyFileOver(package, copy))
        return std::wstring();
    return bridgeTool + options + copy;
}

}  // namespace

void SetInstallLocation(const std::wstring& location)
{
    std::lock_guard<std::mutex> hold(g_locationLock);
    g_location = location;
}

std::wstring GetInstallLocation()
{
    std::lock_guard<std::mutex> hold(g_locationLock);
    return g_location;
}

std::wstring BuildInstallCommand(const std::wstring& bridgeTool, const std::wstring& tempFolder,
                                 const std::wstring& package)
{
    return BuildWith(L" -nv install -r ", bridgeTool, tempFolder, package);
}

std::wstring BuildSdInstallCommand(const std::wstring& bridgeTool, const std::wstring& tempFolder,
                                   const std::wstring& package)
{
    return BuildWith(L" -nv install -s -r ", bridgeTool, tempFolder, package);
}

std::wstring BuildCommandForLocation(const std::wstring& location, const std::wstring& bridgeTool,
                                     const std::wstring& tempFolder, const std::wstring& package)
{
    if (location == L"2")
        return BuildSdInstallCommand(bridgeTool, tempFolder, package);
    return BuildInstallCommand(bridgeTool, tempFolder, package);
}
