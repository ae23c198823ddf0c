#pragma once

#include "net/ClientNetworks.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dorv {

struct NetConfig;

// What the network control server lets a client do.
enum class ClientAccess {
    Refused,  // its connection is closed at once
    ReadOnly, // it may read; every set is answered "RPRT -9" and sends nothing to the radio
    Full,
};

// Who the server lets in, by the address a client connects from. With no list at all every
// client gets in: that is a server on loopback, reachable from this computer only. Once either
// list names a network, only clients on a listed network get in. A client on a read-only
// network may only read, even when an allowed network holds it too, so that one logger can be
// kept read-only on a network otherwise trusted.
class AccessRules {
public:
    AccessRules() = default;
    AccessRules(std::vector<ClientNetwork> allowed, std::vector<ClientNetwork> readOnly)
        : allowed_(std::move(allowed)), readOnly_(std::move(readOnly))
    {
    }

    ClientAccess For(const IpAddress &peer) const;

private:
    std::vector<ClientNetwork> allowed_;
    std::vector<ClientNetwork> readOnly_;
};

// The rules a configuration's lists make. Empty, with why in `problem`, when an entry is no
// network, or when the server would listen beyond loopback with no list: it would let in
// anyone who reaches it.
std::optional<AccessRules> AccessRulesFor(const NetConfig &config, std::string &problem);

} // namespace dorv
