#pragma once

#include "model/SettingsRecord.h"

namespace dorv {

constexpr std::int16_t kNoCommPort = 10; // the port menu's "None"

// A settings record is usable unless its port is 0, as in a missing or empty file; a port
// outside the menu is one bad field, which RepairSettings turns into "None".
bool SettingsAreValid(const SettingsRecord &settings);

// The settings of a new file: every field from its default, steps included.
SettingsRecord DefaultSettings();

// Makes a loaded record safe to apply: a menu index outside its menu takes that menu's
// default, and every unusable step takes its slot's default.
void RepairSettings(SettingsRecord &settings);

} // namespace dorv
