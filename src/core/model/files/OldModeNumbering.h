#pragma once

#include "model/MemoryChannel.h"

#include <span>

namespace dorv {

// Files of an older numbering held modes 0..9 with two more modes between CW-R and AM.
// When any receive mode is 8 or 9, the receive and transmit modes of every channel are
// renumbered. Returns whether the memories were converted.
bool ConvertOldModeNumbering(std::span<MemoryChannel> memories);

} // namespace dorv
