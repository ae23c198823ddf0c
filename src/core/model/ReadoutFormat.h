#pragma once

#include "model/Units.h"

#include <string>

namespace dorv {

// Frequency readout "MHz.kHz.10Hz": 14420000 -> "144.200.00", 10000 -> ".100.00".
std::string FormatFrequency(Freq freq);
// Memory channel readout, three digits: 7 -> "007".
std::string FormatChannel(int channel);

} // namespace dorv
