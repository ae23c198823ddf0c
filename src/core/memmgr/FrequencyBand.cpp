#include "memmgr/FrequencyBand.h"

#include <cstdlib>

namespace dorv {

std::optional<int> BandOfFrequency(const BandRecord &bands, Freq freq)
{
    for (int b = 0; b < kBandCount; ++b) {
        if (freq >= bands.HamLower[b] && freq <= bands.HamUpper[b]) {
            return b;
        }
    }
    std::optional<int> nearest;
    long long nearestDistance = 0;
    for (int b = 0; b < kBandCount; ++b) {
        if (freq < bands.VfoLower[b] || freq > bands.VfoUpper[b]) {
            continue;
        }
        const long long distance = freq < bands.HamLower[b]
                                       ? static_cast<long long>(bands.HamLower[b]) - freq
                                       : static_cast<long long>(freq) - bands.HamUpper[b];
        if (!nearest || distance < nearestDistance) {
            nearest = b;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace dorv
