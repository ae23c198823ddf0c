#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dorv {

using Bytes = std::vector<std::uint8_t>;

// Line settings of the CAT port: always 8 data bits, no parity, 2 stop bits.
struct SerialSettings {
    int portNumber = 1; // 1..9, mapped to a device by the port map
    int baudRate = 4800;
};

// Why the system refused to open a device that is there, where the platform can tell.
struct PortRefusal {
    enum class Reason { None, NoPermission, Busy };
    Reason reason = Reason::None;
    std::string device; // as the port map names it

    // NoPermission: the device's owner and group, whether its group may read and write it
    // (then joining the group is the remedy), and whether the user was put in the group
    // after this session began (then logging in again is).
    std::string owner;
    std::string group;
    bool groupMayUse = false;
    bool joinedGroupLater = false;

    // Busy: the program and process a lock file names; empty and 0 when none is named.
    std::string holder;
    long holderPid = 0;

    bool operator==(const PortRefusal &) const = default;
};

} // namespace dorv
