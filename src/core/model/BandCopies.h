#pragma once

#include "model/RadioState.h"

namespace dorv {

// Whole-record copies that tie the current VFOs to the band table. A band's repeater
// offset belongs to the band (the Repeater Shifts dialog sets it): saving a VFO keeps the
// offset of the entry it goes to, so a VFO that came from a memory or from another band
// never changes it.
void RestoreBands(RadioState &s);
void LoadMainVfo(RadioState &s);
void SaveMainVfo(RadioState &s); // a split direction never survives in the table
void LoadSubVfo(RadioState &s);
void SaveSubVfo(RadioState &s);
void LoadPmsState(RadioState &s);
void SavePmsState(RadioState &s);
// Stores vfo in a band table entry, keeping the entry's repeater offset.
void StoreKeepingOffset(VfoInfo &entry, const VfoInfo &vfo);
// Puts the main (sub) VFO on band b. Moving onto another band it takes that band's
// repeater offset; on its own band it keeps the one it has.
void MoveMainVfoToBand(RadioState &s, int b);
void MoveSubVfoToBand(RadioState &s, int b);
void UseVfoLimits(RadioState &s); // entering VFO mode

} // namespace dorv
