#include "model/ReadoutFormat.h"

#include <cstdio>
#include <cstdlib>

namespace dorv {

std::string FormatFrequency(Freq freq)
{
    const long long magnitude = std::llabs(static_cast<long long>(freq));
    const long long khz = magnitude / 100;
    const int hundredths = static_cast<int>(magnitude % 100);
    char buffer[32];
    if (khz >= 1000) {
        std::snprintf(buffer, sizeof buffer, "%lld.%03lld.%02d", khz / 1000, khz % 1000,
                      hundredths);
    } else if (khz > 0) {
        std::snprintf(buffer, sizeof buffer, ".%lld.%02d", khz, hundredths);
    } else {
        std::snprintf(buffer, sizeof buffer, "..%02d", hundredths);
    }
    return (freq < 0 ? "-" : "") + std::string(buffer);
}

std::string FormatChannel(int channel)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03d", channel);
    return buffer;
}

} // namespace dorv
