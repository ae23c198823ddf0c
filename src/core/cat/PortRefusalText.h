#pragma once

#include "host/PortTypes.h"

#include <string>

namespace dorv {

// What the operator reads in the message when a serial device may not be opened: in plain
// words, what is wrong and what to do, e.g. "No permission to use the serial device
// /dev/ttyUSB0. It belongs to group dialout; add yourself with: sudo adduser $USER dialout,
// then log in again." Empty for a refusal without a reason.
std::string PortRefusalText(const PortRefusal &refusal);

// The same for the status bar, short enough for the smallest window: the device and what
// to do, e.g. "No permission to use /dev/ttyUSB0: sudo adduser $USER dialout, then log in
// again."
std::string PortRefusalStatus(const PortRefusal &refusal);

} // namespace dorv
