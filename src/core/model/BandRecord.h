#pragma once

#include "model/VfoInfo.h"

#include <array>

namespace dorv {

template <typename T> using PerBand = std::array<T, kBandCount>;

// The band table: per-band arrays indexed 0 (430 MHz) .. 11 (1.8 MHz).
struct BandRecord {
    PerBand<VfoInfo> BandMainVfo{};
    PerBand<VfoInfo> BandSubVfo{};
    PerBand<VfoInfo> BandPmsVfo{};
    PerBand<std::int16_t> BandMHz{}; // nominal label; band 2 = 50 marks a valid file
    PerBand<Freq> HamLower{};
    PerBand<Freq> HamUpper{};
    PerBand<Freq> VfoLower{};
    PerBand<Freq> VfoUpper{};
    PerBand<Freq> TuneLower{}; // limits tuning obeys now: VFO or PMS limits
    PerBand<Freq> TuneUpper{};
    PerBand<Freq> PmsLower{};
    PerBand<Freq> PmsUpper{};
    std::int16_t LastMainBand = 0;
    std::int16_t LastSubBand = 0;

    bool operator==(const BandRecord &) const = default;
};

} // namespace dorv
