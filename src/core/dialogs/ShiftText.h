#pragma once

#include "model/Units.h"

#include <optional>
#include <string>

namespace dorv {

// Repeater shift amounts as the operator types and reads them: MHz with two decimals in
// the pattern "##.00", where a zero integer part is left out (600 kHz reads ".60").

// The text of an offset (10 Hz units): whole 10 kHz, the rest cut off. 123400 -> "1.23".
std::string FormatShiftMhz(Freq offset);

// A typed text reformatted with two decimals, rounded half away from zero: "0.6" -> ".60",
// "1.7" -> "1.70". Nothing when the text is not a plain decimal number.
std::optional<std::string> ReformatShiftText(const std::string &text);

// The typed MHz as 10 Hz units, rounded to the nearest unit: "1.234" -> 123400. Nothing when
// the text is not a plain decimal number or is too large to hold.
std::optional<std::int64_t> ParseShiftMhz(const std::string &text);

} // namespace dorv
