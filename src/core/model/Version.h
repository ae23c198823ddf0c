#pragma once

#include <string>

namespace dorv {

inline constexpr const char *kProductName = "DORV FT-897";

// "Version" and the three numbers joined by points: "Version 2.0.1".
std::string VersionText(int major, int minor, int revision);

// The version text of this build.
std::string ProgramVersionText();

// The version number of this build as written on the command line: "0.1.0".
std::string VersionNumber();

} // namespace dorv
