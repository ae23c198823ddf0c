#include "RigState.h"

#include <algorithm>

namespace ft897sim {

int TransmitVfo(const RigState &rig)
{
    return rig.split ? 1 - rig.activeVfo : rig.activeVfo;
}

Freq DisplayedFrequency(const RigState &rig)
{
    if (!rig.ptt) {
        return rig.vfo[rig.activeVfo].frequency;
    }
    // A shift past either end shows the end: the reply carries eight BCD digits, and a
    // negative number has none.
    const std::int64_t shifted = static_cast<std::int64_t>(rig.vfo[TransmitVfo(rig)].frequency) +
                                 rig.rptDirection * static_cast<std::int64_t>(rig.rptOffset);
    return static_cast<Freq>(std::clamp<std::int64_t>(shifted, 0, kLargestFrequency));
}

std::uint8_t DisplayedMode(const RigState &rig)
{
    return rig.vfo[rig.ptt ? TransmitVfo(rig) : rig.activeVfo].modeCode;
}

} // namespace ft897sim
