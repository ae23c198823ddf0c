#include "model/FreqRounding.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace dorv {

namespace {

// Floor division that also holds for negative numerators.
std::int64_t FloorToMultiple(std::int64_t value, std::int64_t unit)
{
    std::int64_t q = value / unit;
    if (value % unit != 0 && value < 0) {
        --q;
    }
    return q * unit;
}

} // namespace

Freq ToFreq(std::int64_t f)
{
    return static_cast<Freq>(std::clamp<std::int64_t>(f, std::numeric_limits<Freq>::min(),
                                                      std::numeric_limits<Freq>::max()));
}

// The unit is the power of ten just above the step's size (step 1250 -> 10000), worked
// out on every call so that no rounding depends on an earlier one.
Freq RoundFreqToStep(Freq freq, Freq Step)
{
    if (Step == 0) {
        return freq;
    }
    const std::int64_t size = std::llabs(std::int64_t{Step});
    std::int64_t unit = 10;
    while (unit <= size) {
        unit *= 10;
    }
    std::int64_t r = FloorToMultiple(freq, unit);
    if (Step > 0) {
        while (r < freq) {
            r += Step;
        }
    } else {
        r += unit;
        while (freq < r) {
            r += Step;
        }
    }
    return ToFreq(r);
}

} // namespace dorv
