#pragma once

#include "Ft897Engine.h"

#include <string>

namespace ft897sim {

// One frame-log line without the newline: whole milliseconds since start, "RX" or "TX",
// then the bytes as upper-case hex separated by single spaces, e.g. "1532 RX 14 54 30 00 01".
// Bytes of a partial frame that was dropped are marked "DISCARD" instead of "RX".
std::string FormatLogLine(const LogEntry &entry, double startTime);

} // namespace ft897sim
