#include "tools/bridge/PrivateFolder.h"

#include <cstdint>

#include "platform/Files.h"
#include "platform/Folders.h"

namespace {

const std::wstring kPrefix = L"korvel-bundle-";

// Process ids are 32-bit numbers on every system we run on.
constexpr std::uint64_t kLargestId = 0xFFFFFFFFu;

}  // namespace

void RemoveStaleFolders(const std::wstring& tempFolder)
{
    for (const std::wstring& name : platform::FolderNames(tempFolder)) {
        if (name.compare(0, kPrefix.size(), kPrefix) != 0)
            continue;
        const std::wstring id = name.substr(kPrefix.size());
        if (id.empty() || id.find_first_not_of(L"0123456789") != std::wstring::npos)
            continue;
        // Read without a conversion that throws: a number beyond any
        // process id names no running process.
        std::uint64_t pid = 0;
        for (wchar_t digit : id)
            pid = pid > kLargestId ? pid : pid * 10 + static_cast<unsigned>(digit - L'0');
        if (pid > kLargestId || pid == platform::CurrentProcessId() ||
            !platform::ProcessRunning(static_cast<unsigned long>(pid)))
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
