#pragma once

#include "model/BandRecord.h"
#include "model/MemoryChannel.h"

namespace dorv {

// Loaded records may hold anything. Every field that the program uses as an index into
// a table (mode, tone mode, CTCSS tone, DCS code, band) is brought into its table's
// range here, so a damaged file can never make the program index past a table.
// Values already in range are left alone.
void KeepIndexesInRange(VfoInfo &vfo);
void KeepIndexesInRange(MemoryChannel &channel);
void KeepIndexesInRange(BandRecord &table);

} // namespace dorv
