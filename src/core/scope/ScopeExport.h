#pragma once

#include "model/ScopeWindowState.h"

#include <string>

namespace dorv {

// The time of day now, in UTC, as "2026-12-07T14:05:09Z".
std::string UtcTimestamp();

// A sweep as CSV: a comment line with the time it finished, the header
// "frequency_hz,s_value", then one line per reading in hertz.
std::string ReadingsCsv(const ScopeSweep &sweep);

} // namespace dorv
