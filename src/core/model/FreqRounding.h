#pragma once

#include "model/Units.h"

#include <cstdint>

namespace dorv {

// Frequency arithmetic runs in 64 bits and comes back clamped, so no knob event or scan
// step can overflow.
Freq ToFreq(std::int64_t f);

// The frequency on the grid of `Step` next to `freq`: the first grid point at or above it
// for a positive step, at or below it for a negative one. Step 0 leaves it as it is.
Freq RoundFreqToStep(Freq freq, Freq Step);

} // namespace dorv
