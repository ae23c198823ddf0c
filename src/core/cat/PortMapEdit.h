#pragma once

#include <string>

namespace dorv {

// Puts `device` on line n= of the port map in dataDir, keeping every other line and
// comment; the line is added when the map has none. False, with the reason in `error`,
// when n is no serial port or the file cannot be written.
bool StorePortDevice(const std::string &dataDir, int n, const std::string &device,
                     std::string &error);

} // namespace dorv
