#pragma once

#include <optional>
#include <string>

namespace dorv {

// Where the network control server listens and whether it starts with the program. Kept in
// "rigctld.conf" in the data directory, beside ports.conf, as "key=value" lines.
struct NetConfig {
    static constexpr const char *kFileName = "rigctld.conf";
    static constexpr const char *kLoopback = "127.0.0.1";
    static constexpr int kDefaultPort = 4532;

    bool Enabled = false;
    std::string Address = kLoopback;
    int Port = kDefaultPort;

    bool operator==(const NetConfig &) const = default;
};

// The configuration of dataDir; a missing file, and lines that say nothing valid, leave the
// defaults (off, 127.0.0.1, 4532).
NetConfig LoadNetConfig(const std::string &dataDir);
// Writes the configuration beside, then over, the old file; false when it could not.
bool SaveNetConfig(const std::string &dataDir, const NetConfig &config);

// A listening place given as "PORT" or "ADDRESS:PORT" (an IPv6 address in brackets:
// "[::1]:4532"); the address defaults to loopback. Empty when the port is not 1..65535.
std::optional<NetConfig> ParseListenPlace(const std::string &text);

// Whether an address is a loopback address, reachable from this computer only.
bool IsLoopbackAddress(const std::string &address);

} // namespace dorv
