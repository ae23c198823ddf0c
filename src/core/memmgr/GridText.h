#pragma once

#include "model/MemoryChannel.h"

#include <string>

namespace dorv {

// The texts of a memory in the manager's grid, as the panel shows the same things. An
// empty memory shows none of them.
std::string ModeText(const MemoryChannel &memory);    // "FM"
std::string ShiftText(const MemoryChannel &memory);   // "+", "-", or blank
std::string OffsetText(const MemoryChannel &memory);  // "0.600" MHz with a shift
std::string ToneText(const MemoryChannel &memory);    // "ENC 88.5", "ENC DEC 100.0", "DCS 023"
std::string SplitTxText(const MemoryChannel &memory); // "146.940.00" when split
std::string SkipText(const MemoryChannel &memory);    // "SKIP"

} // namespace dorv
