#pragma once

#include "Signal.h"

#include <istream>
#include <string>
#include <vector>

namespace ft897sim {

// Reads signals, one a line: "FREQUENCY_HZ S_LEVEL [WIDTH_HZ [TONE_HZ]]". Text after '#'
// is a comment; blank lines are skipped. The width defaults to 2400 Hz below 30 MHz and
// 12000 Hz above; the tone (e.g. 88.5) to none. On a bad line returns an empty list and,
// when error is given, sets it to "line N: " and the reason.
std::vector<Signal> ParseSignals(std::istream &in, std::string *error);

// The largest signals file taken, in bytes.
constexpr std::size_t kMaxSignalsFileBytes = 1 << 20;

// Reads and parses the signals file at path. Only a regular file of at most
// kMaxSignalsFileBytes is read, and opening it never waits (a FIFO is refused, not
// waited on). False with the reason in error otherwise.
bool ReadSignalsFile(const std::string &path, std::vector<Signal> &signals, std::string &error);

} // namespace ft897sim
