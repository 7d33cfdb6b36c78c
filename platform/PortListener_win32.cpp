// Windows: the TCP tables with their owners' process ids, then the
// process's image name.
#include "platform/PortListener.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <vector>

#include "platform/ScopedWin.h"
#include "platform/Text.h"

namespace platform {

namespace {

// Whether one address family's table has a listener on the port, and its owner.
bool ListenerPid(ULONG family, std::uint16_t port, DWORD* pid)
{
    std::vector<unsigned char> table;
    DWORD size = 0;
    for (int tries = 0; tries < 4; ++tries) {
        const DWORD rc = GetExtendedTcpTable(table.empty() ? nullptr : table.data(), &size, FALSE, family,
                                             TCP_TABLE_OWNER_PID_LISTENER, 0);
        if (rc == NO_ERROR)
            break;
        if (rc != ERROR_INSUFFICIENT_BUFFER)
            return false;
        table.assign(size, 0);  // the table grew meanwhile: ask again
    }
    if (table.empty())
        return false;
    // The tables hold ports in network byte order (without ws2_32 for htons).
    const u_short wanted = static_cast<u_short>(((port & 0xFF) << 8) | (port >> 8));
    if (family == AF_INET) {
        const auto* rows = reinterpret_cast<const MIB_TCPTABLE_OWNER_PID*>(table.data());
        for (DWORD i = 0; i < rows->dwNumEntries; ++i)
            if (static_cast<u_short>(rows->table[i].dwLocalPort) == wanted)
                return *pid = rows->table[i].dwOwningPid, true;
    } else {
        const auto* rows = reinterpret_cast<const MIB_TCP6TABLE_OWNER_PID*>(table.data());
        for (DWORD i = 0; i < rows->dwNumEntries; ++i)
            if (static_cast<u_short>(rows->table[i].dwLocalPort) == wanted)
                return *pid = rows->table[i].dwOwningPid, true;
    }
    return false;
}

std::string ImageName(DWORD pid)
{
    ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process.Get())
        return std::string();
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process.Get(), 0, path, &length))
        return std::string();
    std::wstring full(path, length);
    return WideToUtf8(full.substr(full.find_last_of(L"\\/") + 1));
}

}  // namespace

bool FindPortListener(std::uint16_t port, PortListener* listener)
{
    for (ULONG family : {ULONG{AF_INET}, ULONG{AF_INET6}}) {
        DWORD pid = 0;
        if (ListenerPid(family, port, &pid)) {
            listener->pid = pid;
            listener->program = pid != 0 ? ImageName(pid) : std::string();
            return true;
        }
    }
    return false;
}

}  // namespace platform
