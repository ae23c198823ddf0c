#pragma once

#include "model/BandRecord.h"
#include "model/MemoryChannel.h"

#include <map>
#include <string>
#include <vector>

namespace dorv {

// The columns of a channel list, in the order this program writes them.
const std::vector<std::string> &CsvChannelColumns();

// A data row of a channel list, read by column name; absent columns read as nothing.
class CsvRowView {
public:
    CsvRowView(const std::map<std::string, std::size_t> &columns,
               const std::vector<std::string> &fields)
        : columns_(columns), fields_(fields)
    {
    }
    bool has(const std::string &column) const { return columns_.count(column) != 0; }
    // The field's text without blanks around it; empty when the column is absent.
    std::string operator[](const std::string &column) const;

private:
    const std::map<std::string, std::size_t> &columns_;
    const std::vector<std::string> &fields_;
};

// A channel read from one row, or why the row cannot be taken.
struct CsvChannelRow {
    int location = -1; // 0..999
    MemoryChannel channel;
    std::string refusal; // empty when the row was taken
};

// Maps a row to a memory. `bands` decides the band of each frequency.
CsvChannelRow ReadCsvChannel(const CsvRowView &row, const BandRecord &bands);
// The row of a memory in use at position `location`, in CsvChannelColumns order.
std::vector<std::string> WriteCsvChannel(int location, const MemoryChannel &memory);

} // namespace dorv
