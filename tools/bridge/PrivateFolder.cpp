#include "tools/bridge/PrivateFolder.h"

#include "platform/Files.h"
#include "platform/Folders.h"

namespace {

const std::wstring kPrefix = L"korvel-bundle-";

}  // namespace

void RemoveStaleFolders(const std::wstring& tempFolder)
{
    for (const std::wstring& name : platform::FolderNames(tempFolder)) {
        if (name.compare(0, kPrefix.size(), kPrefix) != 0)
            continue;
        const std::wstring id = name.substr(kPrefix.size());
        if (id.empty() || id.size() > 10 || id.find_first_not_of(L"0123456789") != std::wstring::npos)
            continue;
        const unsigned long pid = std::stoul(id);
        if (pid == platform::CurrentProcessId() || !platform::ProcessRunning(pid))
            platform::RemoveFolder(tempFolder + name);
    }
}

PrivateFolder::PrivateFolder(const std::wstring& tempFolder)
{
    if (tempFolder.empty())
        return;
    RemoveStaleFolders(tempFolder);
    const std::wstring path = tempFolder + kPrefix + std::to_wstring(platform::CurrentProcessId());
    if (platform::MakeFolder(path))
        path_ = path + platform::kPathSeparator;
}

PrivateFolder::~PrivateFolder()
{
    if (!path_.empty())
        platform::RemoveFolder(path_.substr(0, path_.size() - 1));
}
