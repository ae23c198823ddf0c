#pragma once

#include "model/SettingsRecord.h"

namespace dorv {

// Step tables hold steps in 10 Hz units. Slots 0..7 are the modes; slots 8 and 9
// belong to no mode and are left as they are.
constexpr int kUsedStepSlots = kModeCount;
// A step this large (1 MHz) or larger, or not positive, would make tuning stall or
// a channel search never end.
constexpr Freq kMaxStep = 100000;

Freq DefaultDialStep(int modeSlot);
Freq DefaultChannelStep(int modeSlot);

// Dial step 10 Hz for every mode; channel step 2.5 kHz for LSB, USB, CW, CW-R and DIG,
// 5 kHz for AM, FM and PKT; on every band.
void ResetStepDefaults(SettingsRecord &settings);

bool StepIsUsable(Freq step);
// Replaces every unusable step of a mode slot by that slot's default.
void RepairStepTables(SettingsRecord &settings);

} // namespace dorv
