#pragma once

#include "model/RadioState.h"

namespace dorv {

// Whole-record copies that tie the current VFOs to the band table.
void RestoreBands(RadioState &s);
void LoadMainVfo(RadioState &s);
void SaveMainVfo(RadioState &s); // a split direction never survives in the table
void LoadSubVfo(RadioState &s);
void SaveSubVfo(RadioState &s);
void LoadPmsState(RadioState &s);
void SavePmsState(RadioState &s);
void UseVfoLimits(RadioState &s); // entering VFO mode

} // namespace dorv
