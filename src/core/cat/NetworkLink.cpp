#include "cat/NetworkLink.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace dorv {

namespace {

constexpr const char *kSchemeMark = "://";
constexpr std::size_t kMaxHostName = 253;
constexpr std::size_t kMaxLabel = 63;

bool IsDigits(const std::string &text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool IsHexDigits(const std::string &text)
{
    return !text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// Splits at every separator; "a..b" gives an empty part between the dots.
std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos) {
            return parts;
        }
        start = at + 1;
    }
}

bool IsIpv4(const std::string &text)
{
    const auto parts = Split(text, '.');
    return parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](const std::string &p) {
               // No leading zeros: "010" reads as octal to some resolvers.
               return IsDigits(p) && p.size() <= 3 && std::stoi(p) <= 255 &&
                      (p.size() == 1 || p[0] != '0');
           });
}

// Groups of one to four hex digits, eight of them, or fewer with one "::" standing for the
// zero groups left out; the last two groups may be written as an IPv4 address.
bool IsIpv6(const std::string &text)
{
    const auto gap = text.find("::");
    if (gap != std::string::npos && text.find("::", gap + 1) != std::string::npos) {
        return false;
    }
    const auto groupsOf = [](const std::string &part, int &count) {
        if (part.empty()) {
            return true;
        }
        const auto groups = Split(part, ':');
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const bool last = i + 1 == groups.size();
            if (last && groups[i].find('.') != std::string::npos) {
                if (!IsIpv4(groups[i])) {
                    return false;
                }
                count += 2;
            } else if (IsHexDigits(groups[i])) {
                ++count;
            } else {
                return false;
            }
        }
        return true;
    };
    int count = 0;
    if (gap == std::string::npos) {
        return groupsOf(text, count) && count == 8;
    }
    const std::string head = text.substr(0, gap);
    const std::string tail = text.substr(gap + 2);
    // An IPv4 ending belongs to the tail only.
    return head.find('.') == std::string::npos && groupsOf(head, count) && groupsOf(tail, count) &&
           count <= 7;
}

bool IsHostName(const std::string &text)
{
    if (text.empty() || text.size() > kMaxHostName) {
        return false;
    }
    std::string name = text;
    if (name.back() == '.') { // a fully qualified name may end in the root's dot
        name.pop_back();
    }
    for (const std::string &label : Split(name, '.')) {
        const bool wellFormed =
            !label.empty() && label.size() <= kMaxLabel && label.front() != '-' &&
            label.back() != '-' && std::all_of(label.begin(), label.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
            });
        if (!wellFormed) {
            return false;
        }
    }
    return true;
}

// Takes HOST from the front of rest, leaving ":PORT"; empty with the reason when it fails.
std::optional<std::string> TakeHost(std::string &rest, std::string &problem)
{
    if (!rest.empty() && rest.front() == '[') {
        const auto close = rest.find(']');
        if (close == std::string::npos) {
            problem = "the IPv6 address has no closing ]";
            return std::nullopt;
        }
        const std::string address = rest.substr(1, close - 1);
        rest.erase(0, close + 1);
        if (!IsIpv6(address)) {
            problem = "[" + address + "] is not an IPv6 address";
            return std::nullopt;
        }
        return address;
    }
    const auto colon = rest.find(':');
    if (colon != rest.rfind(':')) {
        problem = "an IPv6 address goes in brackets, as in [::1]:PORT";
        return std::nullopt;
    }
    const std::string host = rest.substr(0, colon);
    rest.erase(0, colon == std::string::npos ? rest.size() : colon);
    if (host.empty()) {
        problem = "the link names no host";
        return std::nullopt;
    }
    if (host.find_first_not_of("0123456789.") == std::string::npos) {
        if (!IsIpv4(host)) {
            problem = host + " is not an IPv4 address";
            return std::nullopt;
        }
        return host;
    }
    if (!IsHostName(host)) {
        problem = host + " is not a host name (an IPv6 address goes in brackets: [::1])";
        return std::nullopt;
    }
    return host;
}

std::optional<int> TakePort(const std::string &rest, std::string &problem)
{
    if (rest.empty() || rest.front() != ':' || rest.size() == 1) {
        problem = "the link names no port: write HOST:PORT";
        return std::nullopt;
    }
    const std::string text = rest.substr(1);
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
        problem = "nothing may follow the port number";
        return std::nullopt;
    }
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (!IsDigits(text) || error != std::errc() || end != text.data() + text.size() || port < 1 ||
        port > 65535) {
        problem = "the port " + text + " is not a number from 1 to 65535";
        return std::nullopt;
    }
    return port;
}

} // namespace

bool NetworkLink::IsLink(const std::string &text)
{
    return text.find(kSchemeMark) != std::string::npos;
}

std::optional<NetworkLink> NetworkLink::Parse(const std::string &text, std::string &problem)
{
    problem.clear();
    const auto mark = text.find(kSchemeMark);
    if (mark == std::string::npos) {
        problem = "a network link begins with tcp:// or rfc2217://";
        return std::nullopt;
    }
    NetworkLink link;
    const std::string scheme = text.substr(0, mark);
    if (scheme == "tcp") {
        link.kind = Kind::Raw;
    } else if (scheme == "rfc2217") {
        link.kind = Kind::ComPort;
    } else {
        problem = scheme + ":// is no kind of link: write tcp://HOST:PORT or rfc2217://HOST:PORT";
        return std::nullopt;
    }
    std::string rest = text.substr(mark + std::char_traits<char>::length(kSchemeMark));
    const auto host = TakeHost(rest, problem);
    if (!host) {
        return std::nullopt;
    }
    const auto port = TakePort(rest, problem);
    if (!port) {
        return std::nullopt;
    }
    link.host = *host;
    link.port = *port;
    return link;
}

} // namespace dorv
