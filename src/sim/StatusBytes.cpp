#include "StatusBytes.h"

#include <algorithm>
#include <cstdlib>

namespace ft897sim {

namespace {

// FM, FM narrow and packet run through the FM discriminator.
bool UsesDiscriminator(std::uint8_t modeCode)
{
    return modeCode == 0x08 || modeCode == 0x88 || modeCode == 0x0C;
}

// A CTCSS decoder matches a signal carrying the receive tone; the signals carry no DCS
// code, so a DCS decoder never matches. With no decoder on there is nothing to miss.
bool ToneMatched(const RigState &rig, const Signal *signal)
{
    switch (rig.toneModeCode) {
    case 0x2A: // CTCSS encoder and decoder
    case 0x3A: // CTCSS decoder
        return signal != nullptr && signal->toneTenths == rig.ctcssTenthsRx;
    case 0x0A: // DCS encoder and decoder
    case 0x0B: // DCS decoder
        return false;
    default:
        return true;
    }
}

} // namespace

std::uint8_t RxStatusByte(const RigState &rig, const std::vector<Signal> &signals)
{
    const VfoState &vfo = rig.vfo[rig.activeVfo];
    const std::int64_t hz = static_cast<std::int64_t>(vfo.frequency) * 10;
    const Signal *signal = SignalAt(signals, hz);
    std::uint8_t status = ToneMatched(rig, signal) ? 0 : RxBit::ToneUnmatched;
    if (signal == nullptr) {
        return status | RxBit::NoSignal;
    }
    if (UsesDiscriminator(vfo.modeCode) &&
        std::llabs(hz - signal->frequencyHz) > kCentreToleranceHz) {
        status |= RxBit::OffCentre;
    }
    return status | static_cast<std::uint8_t>(std::clamp(signal->sLevel, 0, 15));
}

std::uint8_t TxStatusByte(const RigState &rig)
{
    std::uint8_t status = rig.split ? TxBit::Split : 0;
    if (!rig.ptt) {
        return status | TxBit::Receiving;
    }
    return status | static_cast<std::uint8_t>(std::clamp(rig.txPowerReading, 0, 15));
}

} // namespace ft897sim
