#pragma once

#include "model/RadioState.h"

namespace dorv {

// A channel position moved by delta and wrapped into 000..999.
int WrapChannel(int channel, int delta);

// The next used memory from `from` in `direction` (-1 or 1), looking at each of the 1000
// positions once, `from` itself last. -1 when no memory is in use or direction is 0.
int NextUsedMemory(const RadioState &s, int from, int direction);

// Copies the current VFOs into a channel: the main VFO and band, and with split on the sub
// VFO and band as its transmit side (with split off the old transmit side stays).
// Description, skip and bank flags are left as they were.
void CopyVfosToChannel(const RadioState &s, MemoryChannel &channel);

// Writes the current VFOs into memory MemoryPosition: the main VFO and band, and with
// split on the sub VFO and band as its transmit side. Counts a channel that was empty.
// With split off the old transmit side stays in the record. The caller marks the
// memories changed.
void SaveVFOInfoToMemory(RadioState &s, int MemoryPosition);

} // namespace dorv
