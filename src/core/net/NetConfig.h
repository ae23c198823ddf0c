#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dorv {

// Where the network control server listens, whether it starts with the program, whom it
// lets in and how long it keeps an idle client. Kept in "rigctld.conf" in the data
// directory, beside ports.conf, as "key=value" lines.
struct NetConfig {
    static constexpr const char *kFileName = "rigctld.conf";
    static constexpr const char *kLoopback = "127.0.0.1";
    static constexpr int kDefaultPort = 4532;
    static constexpr int kDefaultIdleSeconds = 300;
    static constexpr int kMaxIdleSeconds = 24 * 60 * 60;

    bool Enabled = false;
    std::string Address = kLoopback;
    int Port = kDefaultPort;
    // The client networks let in with every command, and those let in to read only, as
    // written ("192.168.1.0/24", "2001:db8::/32", "192.168.1.20"); checked when the server
    // starts (AccessRulesFor), as the address is.
    std::vector<std::string> Allow;
    std::vector<std::string> ReadOnly;
    // A client that sends nothing for this long is dropped; 0 keeps it.
    int IdleSeconds = kDefaultIdleSeconds;

    bool operator==(const NetConfig &) const = default;
};

// The configuration of dataDir; a missing file, and lines that say nothing valid, leave the
// defaults (off, 127.0.0.1, 4532, no lists, 300 s). A list line ("allow=", "readonly=")
// holds its entries separated by commas or spaces.
NetConfig LoadNetConfig(const std::string &dataDir);
// Writes the configuration beside, then over, the old file; false when it could not.
bool SaveNetConfig(const std::string &dataDir, const NetConfig &config);

// A listening place given as "PORT" or "ADDRESS:PORT" (an IPv6 address in brackets:
// "[::1]:4532"); the address defaults to loopback. Empty when the port is not 1..65535.
std::optional<NetConfig> ParseListenPlace(const std::string &text);

// Whether an address is a loopback address, reachable from this computer only.
bool IsLoopbackAddress(const std::string &address);

} // namespace dorv
