#pragma once

#include "model/Units.h"

namespace dorv {

// The whole state of one VFO; copied as a unit between the current VFOs, the
// band table, memories and HOME channels. Field order is the on-disk order.
struct VfoInfo {
    Freq Frequency = 0;            // receive frequency; 0 in a memory = empty
    std::int16_t Mode = 0;         // ModeTable index 0..7
    Freq RptOffset = 0;            // shift magnitude, never negative
    std::int16_t RptDirection = 0; // -1 minus, 0 simplex, 1 plus, -11 split
    std::int16_t ToneMode = 0;     // ToneModeTable index 0..3
    std::int16_t CtcssTone = 0;    // CTCSS table index 0..38
    std::int16_t DcsCode = 0;      // DCS table index 0..103
    Freq ClarOffset = 0;           // clarifier offset, -999..999

    bool operator==(const VfoInfo &) const = default;
};

} // namespace dorv
