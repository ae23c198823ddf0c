#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dorv {

// One record of a comma-separated file and the line it starts on (1 = first line).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// Splits comma-separated text into records: fields in double quotes may hold commas,
// line breaks and doubled quotes; lines end in CR LF, LF or CR; blank lines are skipped.
// Returns nothing, with the line in `badLine`, when a quoted field never ends.
std::optional<std::vector<CsvRecord>> SplitCsv(const std::string &text, int &badLine);

// One line of comma-separated text ending in CR LF; fields that hold a comma, a quote,
// a line break or blanks at an end are quoted.
std::string CsvLine(const std::vector<std::string> &fields);

} // namespace dorv
