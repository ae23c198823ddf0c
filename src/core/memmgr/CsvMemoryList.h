#pragma once

#include "memmgr/CsvChannel.h"
#include "memmgr/MemoryEdits.h"

#include <string>
#include <vector>

namespace dorv {

// A channel list read from CSV text: the rows taken, the rows refused with their line
// and reason, or a reason why the text is no channel list at all.
struct CsvMemoryList {
    struct Refusal {
        int line = 0;
        std::string reason;
    };
    struct Taken {
        int line = 0;
        int location = 0;
        MemoryChannel channel;
    };
    std::string fault; // set when the whole text is refused
    std::vector<Taken> taken;
    std::vector<Refusal> refused;
};

// A channel list holds at most 1000 rows; a file this large is something else.
constexpr std::size_t kCsvSizeLimit = 2 * 1024 * 1024;

// Reads a whole file's bytes: UTF-8 (with or without a byte order mark) or, failing
// that, Windows-1252 text. Columns are found by their header name in any order; unknown
// columns are ignored. A location named twice is taken once, at its first row.
CsvMemoryList ReadCsvMemoryList(const std::string &bytes, const BandRecord &bands);

// Reads a file; a missing, unreadable, oversized or non-regular file is a fault.
CsvMemoryList ReadCsvMemoryFile(const std::string &path, const BandRecord &bands);

// The memories in use as CSV text, a header line and one line each in position order.
std::string WriteCsvMemoryList(const MemoryTable &table);
int CountInUse(const MemoryTable &table);

// Puts every taken channel at its location; each position keeps its BankSelected.
void PlaceTaken(MemoryTable &table, const CsvMemoryList &list);

// "line 4: mode WFM is not ..." lines, at most `limit` of them and a count of the rest.
std::string RefusalLines(const CsvMemoryList &list, std::size_t limit);

} // namespace dorv
