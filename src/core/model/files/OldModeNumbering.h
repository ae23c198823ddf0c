#pragma once

#include "model/MemoryChannel.h"

#include <span>

namespace dorv {

// Files of an older numbering held modes 0..9 with two more modes between CW-R and AM.
// When any receive mode is above PKT, every receive mode is renumbered (the transmit
// modes never are). Returns whether the memories were converted.
bool ConvertOldModeNumbering(std::span<MemoryChannel> memories);

} // namespace dorv
