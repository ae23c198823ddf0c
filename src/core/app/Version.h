#pragma once

#include <string>

namespace dorv {

inline constexpr const char *kProductName = "DORV FT-897";

// "Version" and the three numbers, each written in decimal after one blank that stands for
// its sign: 2.0.1 reads "Version  2. 0. 1".
std::string VersionText(int major, int minor, int revision);

// The version text of this build.
std::string ProgramVersionText();

} // namespace dorv
