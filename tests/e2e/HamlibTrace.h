#pragma once

#include <string>
#include <vector>

namespace e2e {

// One request hamlib's client wrote and what it read back before its next write.
struct TracedExchange {
    std::string request; // the line written, with its line end
    std::string answer;  // every byte read until the next write
};

// The exchanges in a trace of hamlib's rigctl run with -vvvvv: every write is logged as
// "write_block(): TX n bytes" and every read as "read_string_generic(): RX n characters",
// each followed by a hex dump of 16 bytes a line.
std::vector<TracedExchange> TracedExchanges(const std::string &trace);

// The command of a request line: its first word without an extended-answer prefix
// ("M PKTUSB 0" -> "M", "+\get_freq" -> "\get_freq").
std::string CommandWord(const std::string &request);

} // namespace e2e
