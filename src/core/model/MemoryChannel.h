#pragma once

#include "model/VfoInfo.h"

#include <string>

namespace dorv {

constexpr int kDescriptionLength = 49;

// One memory of the database; also the shape of a HOME channel.
struct MemoryChannel {
    VfoInfo Vfo;      // receive state; Frequency 0 marks an empty memory
    VfoInfo SplitVfo; // transmit state, meaningful only when Split
    // Single-byte (Windows-1252) text, exactly 49 bytes, blank-padded on the right.
    std::string Description = std::string(kDescriptionLength, ' ');
    bool BankSelected = false;
    bool Split = false;
    bool Skip = false;
    std::int16_t Band = 0;
    std::int16_t SplitBand = 0;

    bool inUse() const { return Vfo.Frequency > 0; }
    bool operator==(const MemoryChannel &) const = default;
};

// An empty memory of a new memory database: every bank takes part in memory scanning
// until the memory manager says otherwise.
inline MemoryChannel NewDatabaseMemory()
{
    MemoryChannel memory;
    memory.BankSelected = true;
    return memory;
}

} // namespace dorv
