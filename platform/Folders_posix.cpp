#include "platform/Folders.h"

#include <dirent.h>
#include <errno.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <limits>

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
    const std::string narrow = WideToUtf8(path);
    struct stat info;
    if (lstat(narrow.c_str(), &info) != 0)
        return false;
    if (S_ISLNK(info.st_mode))
        return unlink(narrow.c_str()) == 0;
    for (const std::wstring& name : FolderNames(path))
        unlink(WideToUtf8(path + L"/" + name).c_str());
    return rmdir(narrow.c_str()) == 0;
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(getpid()); }

bool ProcessRunning(unsigned long id)
{
    // Beyond pid_t a number would name a process group, or every process.
    if (id == 0 || id > static_cast<unsigned long>(std::numeric_limits<pid_t>::max()))
        return false;
    // EPERM: it runs, under another user.
    return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

}  // namespace platform
