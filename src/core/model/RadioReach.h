#pragma once

#include "model/Units.h"

namespace dorv {

// Whether the radio receives on a frequency (10 Hz units): 0.1 - 56, 76 - 164 and
// 420 - 470 MHz. Every band's limits lie inside these.
bool RadioReaches(Freq frequency);

} // namespace dorv
