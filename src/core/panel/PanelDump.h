#pragma once

#include "model/PanelState.h"

#include <string>

namespace dorv {

// A plain "name=value" line per item of what the panel shows: readouts, indicators,
// the meter and the transmit/busy labels. Written by the program on request so that
// end-to-end tests and bug reports can see the panel without reading pixels.
std::string DumpPanel(const PanelState &panel);

} // namespace dorv
