// Which process listens on a TCP port of this machine: what the user must
// close when another adb (a phone assistant's, an emulator's) holds adb's
// server port.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct PortListener {
    std::uint32_t pid = 0;  // 0 when the system does not say whose it is
    std::string program;    // its file name (UTF-8); empty when it cannot be read
};

// False when nothing of this machine is seen listening on the port. Wine 8
// lists a listener with no owner (its server holds the sockets): pid 0.
bool FindPortListener(std::uint16_t port, PortListener* listener);

}  // namespace platform
