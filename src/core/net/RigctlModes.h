#pragma once

#include <optional>
#include <string>

namespace dorv {

// The mode names of the network control protocol for the panel's mode indexes 0..7.
// DIG is the radio's USB data mode and PKT its FM packet mode.
std::string RigctlModeName(int mode);
// The panel's mode index for a protocol mode name; empty for a mode the radio lacks.
std::optional<int> RigctlModeIndex(const std::string &name);

} // namespace dorv
