#include "RigState.h"

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
    return rig.vfo[TransmitVfo(rig)].frequency + rig.rptDirection * rig.rptOffset;
}

std::uint8_t DisplayedMode(const RigState &rig)
{
    return rig.vfo[rig.ptt ? TransmitVfo(rig) : rig.activeVfo].modeCode;
}

} // namespace ft897sim
