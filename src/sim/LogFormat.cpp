#include "LogFormat.h"

#include <cmath>

namespace ft897sim {

std::string FormatLogLine(const LogEntry &entry, double startTime)
{
    static const char kHex[] = "0123456789ABCDEF";
    const auto ms = static_cast<long long>(std::floor((entry.time - startTime) * 1000.0 + 1e-6));
    std::string line = std::to_string(ms) + (entry.received ? " RX" : " TX");
    for (const std::uint8_t byte : entry.bytes) {
        line += ' ';
        line += kHex[byte >> 4];
        line += kHex[byte & 0x0F];
    }
    return line;
}

} // namespace ft897sim
