#include "LogFormat.h"

#include <cmath>

namespace ft897sim {

std::string FormatLogLine(const LogEntry &entry, double startTime)
{
    static const char kHex[] = "0123456789ABCDEF";
    const auto ms = static_cast<long long>(std::floor((entry.time - startTime) * 1000.0 + 1e-6));
    const char *kind = entry.discarded ? " DISCARD" : entry.received ? " RX" : " TX";
    std::string line = std::to_string(ms) + kind;
    for (const std::uint8_t byte : entry.bytes) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    return line;
}

} // namespace ft897sim
