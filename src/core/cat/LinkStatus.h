#pragma once

#include <string>

namespace dorv {

struct RadioState;

// The status bar's permanent field: the device of the port in use ("None" without one),
// the CAT rate and whether the link is on, as "/dev/ttyUSB0 · 9600 · on".
std::string LinkStatusText(const RadioState &state, const std::string &device);

} // namespace dorv
