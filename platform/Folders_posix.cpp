#include "platform/Folders.h"

#include <dirent.h>
#include <errno.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/Text.h"

namespace platform {

bool MakeFolder(const std::wstring& path) { return mkdir(WideToUtf8(path).c_str(), 0700) == 0; }

std::vector<std::wstring> FolderNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    DIR* dir = opendir(WideToUtf8(folder).c_str());
    if (!dir)
        return names;
    while (const dirent* e = readdir(dir)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.push_back(Utf8ToWide(e->d_name));
    }
    closedir(dir);
    return names;
}

bool RemoveFolder(const std::wstring& path)
{
    for (const std::wstring& name : FolderNames(path))
        unlink(WideToUtf8(path + L"/" + name).c_str());
    return rmdir(WideToUtf8(path).c_str()) == 0;
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(getpid()); }

bool ProcessRunning(unsigned long id)
{
    // EPERM: it runs, under another user.
    return id != 0 && (kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM);
}

}  // namespace platform
