#pragma once

#include "model/BandRecord.h"

namespace dorv {

constexpr int kValidityBand = 2;            // the 50 MHz band ...
constexpr std::int16_t kValidityLabel = 50; // ... labelled 50 marks a valid band file
constexpr std::int16_t kDefaultBand = 3;    // 28 MHz

// Installs the built-in band table. DcsCode and ClarOffset of the VFO entries are
// not part of the defaults and keep what the table holds.
void InstallBandDefaults(BandRecord &table);

} // namespace dorv
