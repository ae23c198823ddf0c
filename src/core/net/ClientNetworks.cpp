#include "net/ClientNetworks.h"

#include <algorithm>
#include <cstdio>

namespace dorv {

namespace {

constexpr std::size_t kV4MappedPrefix = 12; // ::ffff: is 10 zero bytes and two 0xff

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string::npos;
         end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// A number 0..max in decimal, without a sign or leading zeros.
std::optional<int> ParseDecimal(const std::string &text, int max)
{
    if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value <= max ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::array<std::uint8_t, 4>> ParseV4(const std::string &text)
{
    const std::vector<std::string> parts = Split(text, '.');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::optional<int> value = ParseDecimal(parts[i], 255);
        if (!value) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(*value);
    }
    return bytes;
}

// The 16-bit groups of one side of "::" (the whole address when it has none). The last
// group of the address may be a dotted IPv4 address, which counts as two.
std::optional<std::vector<std::uint16_t>> ParseGroups(const std::string &text, bool lastSide)
{
    std::vector<std::uint16_t> groups;
    if (text.empty()) {
        return groups;
    }
    const std::vector<std::string> parts = Split(text, ':');
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string &part = parts[i];
        if (lastSide && i + 1 == parts.size() && part.find('.') != std::string::npos) {
            const auto v4 = ParseV4(part);
            if (!v4) {
                return std::nullopt;
            }
            groups.push_back(static_cast<std::uint16_t>((*v4)[0] << 8 | (*v4)[1]));
            groups.push_back(static_cast<std::uint16_t>((*v4)[2] << 8 | (*v4)[3]));
            continue;
        }
        if (part.empty() || part.size() > 4) {
            return std::nullopt;
        }
        int value = 0;
        for (const char c : part) {
            const int digit = HexValue(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
        }
        groups.push_back(static_cast<std::uint16_t>(value));
    }
    return groups;
}

std::optional<std::array<std::uint8_t, 16>> ParseV6(const std::string &text)
{
    constexpr std::size_t kGroups = 8;
    const std::size_t gap = text.find("::");
    const bool hasGap = gap != std::string::npos;
    if (hasGap && text.find("::", gap + 1) != std::string::npos) {
        return std::nullopt;
    }
    const auto head = ParseGroups(hasGap ? text.substr(0, gap) : text, !hasGap);
    const auto tail = hasGap ? ParseGroups(text.substr(gap + 2), true)
                             : std::optional<std::vector<std::uint16_t>>(std::in_place);
    if (!head || !tail) {
        return std::nullopt;
    }
    const std::size_t written = head->size() + tail->size();
    if (hasGap ? written >= kGroups : written != kGroups) {
        return std::nullopt;
    }
    std::vector<std::uint16_t> groups = *head;
    groups.resize(kGroups - tail->size(), 0);
    groups.insert(groups.end(), tail->begin(), tail->end());
    std::array<std::uint8_t, 16> bytes{};
    for (std::size_t i = 0; i < kGroups; ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(groups[i] >> 8);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(groups[i] & 0xff);
    }
    return bytes;
}

bool BitSet(const IpAddress &address, int bit)
{
    return (address.Bytes[static_cast<std::size_t>(bit / 8)] >> (7 - bit % 8) & 1) != 0;
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

} // namespace

IpAddress IpAddress::FromV4(const std::array<std::uint8_t, 4> &bytes)
{
    IpAddress address;
    std::copy(bytes.begin(), bytes.end(), address.Bytes.begin());
    return address;
}

IpAddress IpAddress::FromV6(const std::array<std::uint8_t, 16> &bytes)
{
    bool mapped = bytes[10] == 0xff && bytes[11] == 0xff;
    for (std::size_t i = 0; i < 10; ++i) {
        mapped = mapped && bytes[i] == 0;
    }
    if (mapped) {
        return FromV4({bytes[12], bytes[13], bytes[14], bytes[15]});
    }
    IpAddress address;
    address.V6 = true;
    address.Bytes = bytes;
    return address;
}

std::optional<IpAddress> ParseIpAddress(const std::string &text)
{
    if (text.find(':') == std::string::npos) {
        const auto v4 = ParseV4(text);
        return v4 ? std::optional<IpAddress>(IpAddress::FromV4(*v4)) : std::nullopt;
    }
    const auto v6 = ParseV6(text);
    return v6 ? std::optional<IpAddress>(IpAddress::FromV6(*v6)) : std::nullopt;
}

std::string FormatIpAddress(const IpAddress &address)
{
    const auto &b = address.Bytes;
    char text[64];
    if (!address.V6) {
        std::snprintf(text, sizeof text, "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
        return text;
    }
    int groups[8];
    for (int i = 0; i < 8; ++i) {
        groups[i] =
            b[static_cast<std::size_t>(2 * i)] << 8 | b[static_cast<std::size_t>(2 * i + 1)];
    }
    // The longest run of two or more zero groups, the first of equals, becomes "::".
    int runStart = -1, runLength = 1;
    for (int i = 0; i < 8;) {
        int j = i;
        while (j < 8 && groups[j] == 0) {
            ++j;
        }
        if (j - i > runLength) {
            runStart = i;
            runLength = j - i;
        }
        i = j == i ? i + 1 : j;
    }
    std::string out;
    for (int i = 0; i < 8; ++i) {
        if (i == runStart) {
            out += "::";
            i += runLength - 1;
            continue;
        }
        if (!out.empty() && out.back() != ':') {
            out += ':';
        }
        std::snprintf(text, sizeof text, "%x", groups[i]);
        out += text;
    }
    return out;
}

bool ClientNetwork::Contains(const IpAddress &address) const
{
    if (address.V6 != Base.V6) {
        return false;
    }
    for (int bit = 0; bit < PrefixLength; ++bit) {
        if (BitSet(address, bit) != BitSet(Base, bit)) {
            return false;
        }
    }
    return true;
}

std::optional<ClientNetwork> ParseClientNetwork(const std::string &text, std::string &error)
{
    const std::size_t slash = text.find('/');
    const std::string written = text.substr(0, slash);
    const std::optional<IpAddress> base = ParseIpAddress(written);
    if (!base) {
        error = Quoted(text) + " is not an IPv4 or IPv6 address or network";
        return std::nullopt;
    }
    ClientNetwork network{*base, base->BitCount()};
    if (slash != std::string::npos) {
        // A prefix written on an IPv4-mapped address counts on the IPv4 address it maps.
        const bool mapped = !base->V6 && written.find(':') != std::string::npos;
        const int offset = mapped ? 96 : 0;
        const std::optional<int> length = ParseDecimal(text.substr(slash + 1), 128);
        if (!length || *length < offset || *length - offset > base->BitCount()) {
            error = Quoted(text) + ": the prefix length of an " + (base->V6 ? "IPv6" : "IPv4") +
                    " network is 0 to " + std::to_string(offset + base->BitCount());
            return std::nullopt;
        }
        network.PrefixLength = *length - offset;
    }
    for (int bit = network.PrefixLength; bit < base->BitCount(); ++bit) {
        if (BitSet(*base, bit)) {
            ClientNetwork meant = network;
            for (int b = network.PrefixLength; b < base->BitCount(); ++b) {
                meant.Base.Bytes[static_cast<std::size_t>(b / 8)] &=
                    static_cast<std::uint8_t>(~(1 << (7 - b % 8)));
            }
            error = Quoted(text) + " has address bits set after its prefix: the network is " +
                    FormatClientNetwork(meant);
            return std::nullopt;
        }
    }
    return network;
}

std::string FormatClientNetwork(const ClientNetwork &network)
{
    std::string text = FormatIpAddress(network.Base);
    if (network.PrefixLength != network.Base.BitCount()) {
        text += "/" + std::to_string(network.PrefixLength);
    }
    return text;
}

std::vector<std::string> SplitNetworkList(const std::string &text)
{
    std::vector<std::string> entries;
    std::string entry;
    for (const char c : text + ",") {
        if (c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!entry.empty()) {
                entries.push_back(entry);
            }
            entry.clear();
        } else {
            entry += c;
        }
    }
    return entries;
}

std::string JoinNetworkList(const std::vector<std::string> &entries)
{
    std::string text;
    for (const std::string &entry : entries) {
        text += (text.empty() ? "" : ", ") + entry;
    }
    return text;
}

std::optional<std::vector<ClientNetwork>>
ParseClientNetworks(const std::vector<std::string> &entries, std::string &error)
{
    std::vector<ClientNetwork> networks;
    for (const std::string &entry : entries) {
        const std::optional<ClientNetwork> network = ParseClientNetwork(entry, error);
        if (!network) {
            return std::nullopt;
        }
        networks.push_back(*network);
    }
    return networks;
}

} // namespace dorv
