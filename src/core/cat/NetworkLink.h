#pragma once

#include <optional>
#include <string>

namespace dorv {

// A link to the radio over the network instead of a serial device, written where a device
// name goes: "tcp://HOST:PORT" carries the CAT bytes raw, "rfc2217://HOST:PORT" carries them
// in telnet with the com-port control option, through which the panel sets the line.
// HOST is a name, an IPv4 address or an IPv6 address in brackets ("[::1]").
struct NetworkLink {
    enum class Kind { Raw, ComPort };
    Kind kind = Kind::Raw;
    std::string host; // without the brackets of an IPv6 address
    int port = 0;     // 1..65535

    // Whether text is meant as a network link rather than a device path: it has a scheme.
    static bool IsLink(const std::string &text);
    // The link text names; empty with the reason in `problem` when it names none.
    static std::optional<NetworkLink> Parse(const std::string &text, std::string &problem);
};

} // namespace dorv
