#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dorv {

// An IPv4 or IPv6 address. An IPv4 address is always held as itself, never in its
// IPv4-mapped IPv6 form (::ffff:a.b.c.d), so that a peer an IPv6 socket reports in that form
// matches the IPv4 networks it belongs to.
struct IpAddress {
    bool V6 = false;
    std::array<std::uint8_t, 16> Bytes{}; // in network order; IPv4 in the first four

    static IpAddress FromV4(const std::array<std::uint8_t, 4> &bytes);
    // An IPv4-mapped address comes back as the IPv4 address it maps.
    static IpAddress FromV6(const std::array<std::uint8_t, 16> &bytes);
    int BitCount() const { return V6 ? 128 : 32; }

    bool operator==(const IpAddress &) const = default;
};

// An address as written: dotted IPv4 ("192.168.1.20", four numbers 0..255 without leading
// zeros) or IPv6 ("2001:db8::1", "::ffff:127.0.0.2"); empty for anything else, zone
// suffixes ("fe80::1%eth0") and host names included.
std::optional<IpAddress> ParseIpAddress(const std::string &text);
// The address in its usual form: dotted IPv4, or IPv6 in lower case with its longest run of
// zero groups written "::".
std::string FormatIpAddress(const IpAddress &address);

// The addresses whose first PrefixLength bits are those of Base; every bit of Base after
// them is zero.
struct ClientNetwork {
    IpAddress Base;
    int PrefixLength = 0;

    bool Contains(const IpAddress &address) const;
    bool operator==(const ClientNetwork &) const = default;
};

// A network as written: "192.168.1.0/24", "2001:db8::/32", or one address ("192.168.1.20",
// "::1"). Empty, with the reason in `error`, for anything else, including a network with
// address bits set beyond its prefix ("192.168.1.5/24", which names a host, not a network).
std::optional<ClientNetwork> ParseClientNetwork(const std::string &text, std::string &error);
std::string FormatClientNetwork(const ClientNetwork &network);

// The entries of a list as written: separated by commas, white space or both.
std::vector<std::string> SplitNetworkList(const std::string &text);
// The entries as one line, "192.168.1.0/24, 2001:db8::/32".
std::string JoinNetworkList(const std::vector<std::string> &entries);

// Every entry as a network; empty, with the first entry that is none and why in `error`.
std::optional<std::vector<ClientNetwork>>
ParseClientNetworks(const std::vector<std::string> &entries, std::string &error);

} // namespace dorv
