#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dorv {

// Exit codes of the CSV commands.
constexpr int kCsvExitDone = 0;
constexpr int kCsvExitRefused = 1; // rows refused: nothing written unless --force
constexpr int kCsvExitFailed = 2;  // usage, reading or writing error

// The CSV exchange without a window:
//   --export-csv MEMFILE CSVFILE          the channels in use of a memory file as CSV
//   --import-csv CSVFILE MEMFILE [--force] the CSV's channels into a new or existing
//                                          memory file, replacing only the positions named
// Returns the exit code when `args` (without the program name) asks for one of them,
// nothing otherwise. Reports go to `err`.
std::optional<int> RunCsvCommand(const std::vector<std::string> &args, std::ostream &err);

} // namespace dorv
