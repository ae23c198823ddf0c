#include "model/files/OldModeNumbering.h"

#include <algorithm>

namespace dorv {

namespace {

std::int16_t CurrentMode(std::int16_t oldMode)
{
    switch (oldMode) {
    case 4:
    case 5:
        return ModeCWR;
    case 6:
    case 7:
        return ModeAM;
    case 8:
    case 9:
        return ModeFM;
    default:
        return oldMode;
    }
}

// A mode only the older numbering has. A larger number is no mode of either numbering
// (damage in a record not in use, which the file check lets through) and tells nothing:
// taken as a sign it would convert the file again at every opening.
bool OlderNumberingOnly(std::int16_t mode)
{
    return mode > ModePKT && mode < kModeSlotCount;
}

} // namespace

bool ConvertOldModeNumbering(std::span<MemoryChannel> memories)
{
    const bool oldFormat =
        std::any_of(memories.begin(), memories.end(),
                    [](const MemoryChannel &m) { return OlderNumberingOnly(m.Vfo.Mode); });
    if (oldFormat) {
        for (MemoryChannel &memory : memories) {
            memory.Vfo.Mode = CurrentMode(memory.Vfo.Mode);
            memory.SplitVfo.Mode = CurrentMode(memory.SplitVfo.Mode);
        }
    }
    return oldFormat;
}

} // namespace dorv
