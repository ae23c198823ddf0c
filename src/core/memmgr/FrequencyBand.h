#pragma once

#include "model/BandRecord.h"

#include <optional>

namespace dorv {

// The band a frequency (10 Hz units) belongs to: the band whose amateur range holds it,
// else, among the bands whose VFO range holds it, the one with the nearest amateur range.
// Nothing when no band can tune to it.
std::optional<int> BandOfFrequency(const BandRecord &bands, Freq freq);

} // namespace dorv
