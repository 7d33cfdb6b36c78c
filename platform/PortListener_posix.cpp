// Linux: the listening socket's inode from /proc/net/tcp and tcp6, then
// the process holding a descriptor of that socket.
#include "platform/PortListener.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

constexpr const char* kListen = "0A";

// The inode of a listening socket on the port, from one table; "" when none.
std::string ListeningInode(const char* table, std::uint16_t port)
{
    std::ifstream in(table);
    std::string line;
    std::getline(in, line);  // the header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
        if (!(fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >> timeout >> inode))
            continue;
        const size_t colon = local.rfind(':');
        if (colon == std::string::npos || state != kListen)
            continue;
        if (std::strtoul(local.c_str() + colon + 1, nullptr, 16) == port)
            return inode;
    }
    return std::string();
}

// The first process with a descriptor on "socket:[inode]".
bool OwnerOf(const std::string& inode, PortListener* listener)
{
    const std::string target = "socket:[" + inode + "]";
    DIR* proc = opendir("/proc");
    if (!proc)
        return false;
    bool found = false;
    while (dirent* entry = readdir(proc)) {
        char* end = nullptr;
        const unsigned long pid = std::strtoul(entry->d_name, &end, 10);
        if (*end || pid == 0)
            continue;
        const std::string fdDir = std::string("/proc/") + entry->d_name + "/fd";
        if (DIR* fds = opendir(fdDir.c_str())) {
            while (dirent* fd = readdir(fds)) {
                char link[64] = {};
                const ssize_t n = readlink((fdDir + "/" + fd->d_name).c_str(), link, sizeof link - 1);
                if (n > 0 && target.compare(0, std::string::npos, link, static_cast<size_t>(n)) == 0) {
                    found = true;
                    break;
                }
            }
            closedir(fds);
        }
        if (found) {
            listener->pid = static_cast<std::uint32_t>(pid);
            std::ifstream comm(std::string("/proc/") + entry->d_name + "/comm");
            std::getline(comm, listener->program);
            break;
        }
    }
    closedir(proc);
    return found;
}

}  // namespace

bool FindPortListener(std::uint16_t port, PortListener* listener)
{
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        const std::string inode = ListeningInode(table, port);
        if (!inode.empty() && inode != "0" && OwnerOf(inode, listener))
            return true;
    }
    return false;
}

}  // namespace platform
